#include "frame/plugin/parental_plugin.h"

#include "frame/protocol/process.h"
#include "ui/setup/setup_views.h"

namespace parental::corvui {

CParentalPlugin::CParentalPlugin() {
  SetSetupViewsFactory(&MakeSetupViews);  // before the shared configuration, which offers them
  private_ = new CParentalConfig(this, true);
  shared_ = new CParentalConfig(this, false);
  page_.SetConfig(private_);
  RunCreateIfHostCreated();  // after the configurations: OnCreate loads the private one
}

CParentalPlugin::~CParentalPlugin() {
  if (shared_) shared_->Release();
  if (private_) private_->Release();
}

std::int32_t CParentalPlugin::OnIOCtl(std::uint32_t code, void*) {
  if (!IsConfigChangeNotice(code)) return kFailed;
  if (private_) private_->Load(private_->GetVariables());
  return kDone;
}

void CParentalPlugin::OnCreate() {
  CUiPlug::OnCreate();
  StoreHostServices(QueryHostServices(), true);
  if (private_) private_->Load(private_->GetVariables());
}

}  // namespace parental::corvui
