#pragma once
// The plug-in object: the main template, the engine plug, the owner of the status page
// and of the two configuration objects (a private one behind the status page, a shared
// one that offers the setup pages).
#include "frame/plugin/page_parental.h"
#include "frame/templates/plug.h"
#include "parental/parental_config.h"

namespace parental::corvui {

class CParentalPlugin : public CUiPlug {
 public:
  CParentalPlugin();
  ~CParentalPlugin() override;

  // Configuration-change notices reload the private configuration; nothing else is handled.
  std::int32_t OnIOCtl(std::uint32_t code, void* arg) override;
  // Keeps the host's services and loads the private configuration.
  void OnCreate() override;

  CParentalConfig* SharedConfig() const { return shared_; }
  CParentalConfig* PrivateConfig() const { return private_; }
  CPageParental& Page() { return page_; }

 private:
  CParentalConfig* shared_ = nullptr;
  CParentalConfig* private_ = nullptr;
  CPageParental page_;
};

}  // namespace parental::corvui
