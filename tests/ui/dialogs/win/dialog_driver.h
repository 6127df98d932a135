#pragma once
// Driving the account dialogs under Wine: the plug-in's resources in this program and the
// model on the reference host's engine data with an in-memory registry mirror; the
// window drivers are the shared ones (support/window_test.h).
#include <functional>
#include <memory>
#include <string>

#include "parental/parental_config.h"
#include "ui/dialogs/dialog_model.h"
#include "win/dialog.h"
#include "support/window_test.h"

namespace dialogtest {

using namespace wintest;

// A configuration on the model host: loaded from the mirror, saved there by the dialogs.
struct ConfigFixture : ::testing::Test {
  ConfigFixture();
  ~ConfigFixture() override;
  // A configuration loaded afresh from the mirror, to compare with what the dialogs left.
  std::string ReloadedModel();
  std::string Model() { return DescribeModel(*config); }

  DialogModel model;
  std::unique_ptr<parental::corvui::CParentalConfig> config;
  HWND owner = nullptr;
};

}  // namespace dialogtest
