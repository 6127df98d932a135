#include "dialog_driver.h"

#include "bitmaps.h"
#include "common/text.h"
#include "frame/templates/bitmap_store.h"
#include "services.h"
#include "win/screenshot.h"

namespace dialogtest {
namespace {

// The reference host's services and bitmap store, for the whole program: the plug-in's
// shared bitmap store registers once and keeps its link to the host for good, so the host
// it talks to must outlive every test's model host. Dialog headers get the host's bitmaps.
class LastingHost {
 public:
  static LastingHost& Get() {
    static LastingHost host;
    // The store is made after the host, so that it goes (and unregisters) before the host.
    static const bool registered = [] {
      const IoctlLink current = Process().hostLink;
      Process().hostLink = host.Link();
      SharedBitmapStore();
      Process().hostLink = current;
      return true;
    }();
    (void)registered;
    return host;
  }
  host::HostServices services;

 private:
  LastingHost() = default;
  IoctlLink Link() { return IoctlLink{PLUGIN_ID, AddressOf(&Proc), AddressOf(this)}; }
  static std::int32_t Proc(void* context, std::uint32_t, std::uint32_t code, void* arg) {
    auto* host = static_cast<LastingHost*>(context);
    auto* bitmap = static_cast<BitmapRecord*>(arg);
    switch (code) {
      case kCodeRegister: {
        const IoctlLink record = *static_cast<IoctlLink*>(arg);
        IoctlLink link = host->Link();
        return ProcOf(record)(FromAddress<void>(record.context), 0, kCodeAttach, &link);
      }
      case kRequestBitmapGet:
        bitmap->handle = host->bitmaps_.Lend(FromAddress<const char16_t>(bitmap->pointer));
        return bitmap->handle ? kDone : kFailed;
      case kRequestBitmapRelease:
        return host->bitmaps_.Return(bitmap->handle) ? kDone : kFailed;
      case kRequestBitmapQueryA:
        bitmap->handle = host->bitmaps_.HasAlpha(bitmap->handle);
        return kDone;
      case kRequestBitmapQueryB:
        bitmap->handle = host->bitmaps_.Stretches(bitmap->handle);
        return kDone;
      default:
        return kDone;  // detaching
    }
  }
  host::BitmapStore bitmaps_;
};

CWnd* g_dialog = nullptr;
std::function<void()> g_script;

void CALLBACK RunScript(HWND, UINT, UINT_PTR timer, DWORD) {
  if (!g_dialog || !g_dialog->GetSafeHwnd() || !g_dialog->IsWindowVisible() || !g_script) return;
  KillTimer(nullptr, timer);
  const std::function<void()> script = std::move(g_script);
  g_script = nullptr;
  SetForegroundWindow(g_dialog->GetSafeHwnd());
  wintest::Pump(30);
  script();
  // An ended dialog is hidden at once and destroyed when its loop ends.
  if (g_dialog->GetSafeHwnd() && IsWindowVisible(g_dialog->GetSafeHwnd())) ::EndDialog(g_dialog->GetSafeHwnd(), kLeftOpen);
}

}  // namespace

INT_PTR RunModal(CWnd& dialog, const std::function<INT_PTR()>& show, const std::function<void()>& script) {
  g_dialog = &dialog;
  g_script = script;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, &RunScript);
  const INT_PTR result = show();
  KillTimer(nullptr, timer);
  g_dialog = nullptr;
  g_script = nullptr;
  return result;
}

void PumpDialog(HWND dialog, DWORD milliseconds) {
  wintest::RunHostLoop(dialog, [] { return false; }, milliseconds);
}

void Press(HWND dialog, WORD key, bool shift) {
  wintest::PressKey(key, shift);
  PumpDialog(dialog);
}

RECT ClientRectOf(HWND parent, HWND child) {
  RECT rect{};
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

POINT CentreOf(HWND child) {
  const RECT rect = ClientRectOf(GetParent(child), child);
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void Click(HWND dialog, int id) {
  HWND button = GetDlgItem(dialog, id);
  wintest::ClickAt(GetParent(button), CentreOf(button));
  wintest::Pump(60);
}

void Screenshot(HWND dialog, const char* name) {
  wintest::Pump(100);
  EXPECT_TRUE(SaveWindowScreenshot(dialog, wintest::OutputPath((std::string(name) + ".png").c_str()))) << name;
}

void Grow(HWND window, int dx, int dy) {
  RECT rect{};
  GetWindowRect(window, &rect);
  SetWindowPos(window, nullptr, 0, 0, rect.right - rect.left + dx, rect.bottom - rect.top + dy,
               SWP_NOMOVE | SWP_NOZORDER);
  wintest::Pump(60);
}

void GrowAndCheckLayout(HWND window, int stretched, int dx, int dy) {
  RECT client{}, grown{};
  GetClientRect(window, &client);
  const RECT ok = ClientRectOf(window, GetDlgItem(window, IDOK));
  const RECT control = ClientRectOf(window, GetDlgItem(window, stretched));
  Grow(window, dx, dy);
  GetClientRect(window, &grown);
  const RECT okNow = ClientRectOf(window, GetDlgItem(window, IDOK));
  const RECT controlNow = ClientRectOf(window, GetDlgItem(window, stretched));
  EXPECT_EQ(grown.right - okNow.right, client.right - ok.right);
  EXPECT_EQ(grown.bottom - okNow.bottom, client.bottom - ok.bottom);
  EXPECT_EQ(controlNow.right - controlNow.left, control.right - control.left + grown.right - client.right);
  EXPECT_EQ(controlNow.bottom - controlNow.top, control.bottom - control.top + grown.bottom - client.bottom);
}

ConfigFixture::ConfigFixture() {
  static wintest::TestApp app(L"no-language-library.dll");
  StoreHostServices(&LastingHost::Get().services, true);
  model.host.LoadNames();
  config = std::make_unique<parental::corvui::CParentalConfig>(&model.host.engine, true, model.host.registry,
                                                               model.service);
  config->Load(config->GetVariables());
  owner = wintest::CreateFrame(300, 200, L"Dialog owner");
}

ConfigFixture::~ConfigFixture() = default;

std::string ConfigFixture::ReloadedModel() {
  parental::corvui::CParentalConfig fresh(&model.host.engine, true, model.host.registry, model.service);
  fresh.Load(fresh.GetVariables());
  return DescribeModel(fresh);
}

}  // namespace dialogtest
