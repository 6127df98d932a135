#pragma once
// Driving the account dialogs under Wine: the plug-in's resources in this program, the
// model on the reference host's engine data with an in-memory registry mirror, and modal
// dialogs run with a script that acts on them once they are on screen.
#include <functional>
#include <memory>
#include <string>

#include "parental/parental_config.h"
#include "ui/dialogs/dialog_model.h"
#include "win/dialog.h"
#include "win_test_support.h"

namespace dialogtest {

// Runs `show` (the dialog's DoModal) and, once `dialog` is visible, `script` inside the
// dialog's own loop. A dialog the script leaves open is ended with kLeftOpen.
constexpr INT_PTR kLeftOpen = 99;
INT_PTR RunModal(CWnd& dialog, const std::function<INT_PTR()>& show, const std::function<void()>& script);

// Lets input through as the dialog's own loop does (keys go to IsDialogMessage first).
void PumpDialog(HWND dialog, DWORD milliseconds = 60);
// A key pressed as the user would, in the dialog's loop.
void Press(HWND dialog, WORD key, bool shift = false);
// A button pressed as the user would: the pointer on it and a click.
void Click(HWND dialog, int id);
// The centre of a child window in its parent's client coordinates.
POINT CentreOf(HWND child);
// Saves a screenshot of the dialog as <name>.png in the test folder.
void Screenshot(HWND dialog, const char* name);
// Resizes a top-level window by (dx, dy) pixels.
void Grow(HWND window, int dx, int dy);
RECT ClientRectOf(HWND parent, HWND child);
// Grows the dialog by (dx, dy) and checks the re-layout: "OK" keeps its distance to the
// lower right corner, control `stretched` grows with the client area.
void GrowAndCheckLayout(HWND window, int stretched, int dx, int dy);

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
