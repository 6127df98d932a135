#pragma once
// The host of the control tests, in process: the reference host's own services (settings,
// metrics) and bitmap store answer what the controls ask, and help requests are recorded.
// The application object of the program carries the plug-in's manifest (common controls
// version 6) and sends help through the main template.
// One for the whole program, made on first use, so that the shared bitmap store, which
// lives until the program ends, always has a host to give its bitmaps back to.
#include <cstdint>
#include <memory>
#include <vector>

#include "bitmaps.h"
#include "frame/protocol/process.h"
#include "services.h"
#include "support/window_test.h"

namespace controls_test {

class ControlsHost {
 public:
  static ControlsHost& Get();

  struct Help {
    std::uint64_t context;
    std::uint32_t command;
  };
  std::vector<Help> help;           // help requests, in order
  std::vector<std::string> events;  // what the host did (the logo's click)
  host::HostServices services;
  host::BitmapStore bitmaps;

  // Text mode on or off in the host's settings.
  void SetTextMode(bool on) { services.SetFlag(u"gui.textmode.state", on); }

 private:
  ControlsHost();
  ~ControlsHost();
  static std::int32_t Proc(void* context, std::uint32_t param, std::uint32_t code, void* arg);
  IoctlLink Link();
  std::unique_ptr<wintest::TestApp> app_;  // the module context, and help through the application
};

}  // namespace controls_test
