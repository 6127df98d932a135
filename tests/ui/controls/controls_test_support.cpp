#include "controls_test_support.h"

#include "ui/controls/list_box_adv.h"
#include "ui/controls/tree_ctrl_ex.h"

namespace controls_test {

namespace {

// A 32-bit image drawn by `draw` on a key colour, which becomes transparent.
HBITMAP MakeImage(int width, int height, void (*draw)(HDC dc, int frame), int frames) {
  const COLORREF key = RGB(255, 0, 255);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width * frames, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT all{0, 0, width * frames, height};
  HBRUSH brush = CreateSolidBrush(key);
  FillRect(dc, &all, brush);
  DeleteObject(brush);
  for (int frame = 0; frame < frames; ++frame) {
    SetViewportOrgEx(dc, frame * width, 0, nullptr);
    draw(dc, frame);
  }
  GdiFlush();
  auto* pixels = static_cast<std::uint32_t*>(bits);
  for (int i = 0; i < width * frames * height; ++i) {
    pixels[i] = (pixels[i] & 0xFFFFFF) == 0xFF00FF ? 0 : pixels[i] | 0xFF000000u;
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  return bitmap;
}

void Stroke(HDC dc, COLORREF colour, std::initializer_list<POINT> points) {
  HPEN pen = CreatePen(PS_SOLID, 2, colour);
  HGDIOBJ old = SelectObject(dc, pen);
  Polyline(dc, points.begin(), static_cast<int>(points.size()));
  SelectObject(dc, old);
  DeleteObject(pen);
}

void Disc(HDC dc, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
  Ellipse(dc, 0, 0, 17, 17);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(brush);
}

}  // namespace

bool ControlParent::Create(HWND frame) {
  RECT client{};
  ::GetClientRect(frame, &client);
  return RecordingParent::Create(frame, client);
}

LRESULT ControlParent::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    LPARAM item = header->code == parental::util::kTreeCheckChanged
                      ? reinterpret_cast<LPARAM>(reinterpret_cast<NMTREEVIEWW*>(lParam)->itemNew.hItem)
                      : 0;
    if (header->code != static_cast<UINT>(NM_CUSTOMDRAW) && header->code != static_cast<UINT>(NM_SETCURSOR)) {
      log.Add(message, header->code, item);
    }
  } else if (message == kListBoxAdvDelete || message == kListBoxAdvToggle) {
    log.Add(message, wParam, lParam);
  }
  return RecordingParent::WindowProc(message, wParam, lParam);
}

MessageStep Notify(UINT code, LPARAM item, bool optional) {
  unsigned flags = MessageStep::kWParam | (optional ? MessageStep::kOptional : MessageStep::kLParam);
  return MessageStep{WM_NOTIFY, code, item, flags};
}

PageImages::PageImages() {
  allowed = MakeImage(16, 16, [](HDC dc, int) {
    Disc(dc, RGB(46, 125, 50));
    Stroke(dc, RGB(255, 255, 255), {{4, 8}, {7, 11}, {12, 5}});
  }, 1);
  blocked = MakeImage(16, 16, [](HDC dc, int) {
    Disc(dc, RGB(198, 40, 40));
    Stroke(dc, RGB(255, 255, 255), {{5, 5}, {11, 11}});
    Stroke(dc, RGB(255, 255, 255), {{11, 5}, {5, 11}});
  }, 1);
  action = MakeImage(16, 16, [](HDC dc, int frame) {
    COLORREF colour = frame ? RGB(198, 40, 40) : RGB(140, 140, 140);
    Stroke(dc, colour, {{3, 3}, {13, 13}});
    Stroke(dc, colour, {{13, 3}, {3, 13}});
  }, 2);
}

PageImages::~PageImages() {
  for (HBITMAP bitmap : {allowed, blocked, action}) DeleteObject(bitmap);
}

void ControlsTest::SetUp() {
  host_.help.clear();
  host_.events.clear();
  host_.SetTextMode(false);
  frame_ = wintest::CreateFrame(480, 320, L"Controls");
}

}  // namespace controls_test
