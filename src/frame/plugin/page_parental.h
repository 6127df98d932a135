#pragma once
// The status page "parental". Until its panels exist it publishes none.
#include "frame/templates/page_template.h"

namespace parental::corvui {

class CPageParental : public CPageTemplate {
 public:
  CPageParental() { RunCreateIfHostCreated(); }
  std::int32_t OnIOCtl(std::uint32_t, void*) override { return 0; }  // the page answers every code
  void OnCreate() override {
    PublishPanels(0);
    PublishPanels(1);
  }
};

}  // namespace parental::corvui
