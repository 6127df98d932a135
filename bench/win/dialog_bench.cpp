// The account configuration dialog under Wine, on a role with the engine's 46 categories and
// 100 URL exceptions: opening it (creation, the grid's mark-up and layout, first paint), one
// "&Undo" (grid and list shown again, repainted) and the first change to the exceptions tab
// (the page and its list of 100 entries made and painted). A plain program, since
// Google Benchmark is not built for Windows here; it prints the median and the fastest of
// a few runs in milliseconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "display_required.h"
#include "frame/app/plugin_app.h"
#include "model_host.h"
#include "parental/substitute_accounts.h"
#include "res/dialogs/account_config_ids.h"
#include "ui/dialogs/category_dialog.h"

namespace {

using namespace parental::corvui;

class BenchApp : public CPluginAppTemplate {
 public:
  BenchApp() : CPluginAppTemplate(L"no-language-library.dll") {
    Attach(GetModuleHandleW(nullptr));
    EnsureInitialized();
  }
  ~BenchApp() override { Detach(false); }
  CPluginTemplate* CreatePlugin() override { return nullptr; }
};

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

LARGE_INTEGER Now() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now;
}

// Paints what is waiting to be painted, in the window and its children.
void Paint(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

void Report(const char* what, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  std::printf("%-44s median %7.2f ms   fastest %7.2f ms   (%zu runs)\n", what, times[times.size() / 2], times[0],
              times.size());
}

}  // namespace

int main() {
  if (!DisplayAvailable()) return 1;
  BenchApp app;
  static ModelHost host;  // outlives the shared bitmap store, which tells its host goodbye at exit
  host.LoadNames();
  SubstituteAccounts service;
  CParentalConfig config(&host.engine, true, host.registry, service);
  config.Load(config.GetVariables());
  CConfigManagerRole& roles = config.Roles();
  roles.CreateAccountRole(u"anna", u"PC", u"", roles.GetPredefinedRoles(0)->at(u"@Teen").role);
  for (int i = 0; i < 100; ++i)
    roles.AddException(u"PC.anna", "site" + std::to_string(i) + ".example/page", i % 2, nullptr);

  HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  std::vector<double> open, undo, exceptions;
  for (int run = 0; run < 21; ++run) {
    CAccountConfigDlg dialog(owner, config, u"PC.anna");
    const LARGE_INTEGER start = Now();
    dialog.Create(owner);
    dialog.ShowWindow(SW_SHOW);
    Paint(dialog.GetSafeHwnd());
    const LARGE_INTEGER opened = Now();
    dialog.Grid().SetChecks(std::vector<bool>(46, true));  // something for "&Undo" to take back
    Paint(dialog.GetSafeHwnd());
    HWND undoButton = GetDlgItem(dialog.GetSafeHwnd(), IDC_CONFIG_UNDO);
    const LARGE_INTEGER before = Now();
    SendMessageW(dialog.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(IDC_CONFIG_UNDO, BN_CLICKED),
                 reinterpret_cast<LPARAM>(undoButton));
    Paint(dialog.GetSafeHwnd());
    const LARGE_INTEGER undone = Now();
    dialog.SelectTab(1);
    Paint(dialog.GetSafeHwnd());
    const LARGE_INTEGER switched = Now();
    if (run > 0) {  // the first run pays for loading fonts and classes
      open.push_back(Milliseconds(start, opened));
      undo.push_back(Milliseconds(before, undone));
      exceptions.push_back(Milliseconds(undone, switched));
    }
    dialog.DestroyWindow();
  }
  Report("open, 46 categories and 100 exceptions", open);
  Report("undo", undo);
  Report("first change to the exceptions tab", exceptions);
  DestroyWindow(owner);
  return 0;
}
