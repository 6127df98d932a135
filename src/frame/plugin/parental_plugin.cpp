#include "frame/plugin/parental_plugin.h"

#include "frame/protocol/process.h"
#include "ui/setup/setup_views.h"

namespace parental::corvui {

CParentalPlugin::CParentalPlugin() {
  if (IsCreated()) OnCreate();
  SetSetupViewsFactory(&MakeSetupViews);
  private_ = new CParentalConfig(this, true);
  shared_ = new CParentalConfig(this, false);
  page_.SetConfig(private_);
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
