#include "mainwin/panel_view.h"

#include <algorithm>

#include "common/text.h"
#include "markup/link_items.h"
#include "markup/values.h"

namespace host {
namespace {

constexpr wchar_t kClass[] = L"ParentalHostPanel";
constexpr std::uint32_t kMaxItems = 64;
constexpr std::uint16_t kItemText = 14, kItemAccount = 4;
constexpr int kPadding = 12, kPicture = 48, kPictureGap = 12, kSpacer = 8, kAccountGap = 8;
constexpr std::uint32_t kPanelHidden = 16, kPictureKind = 8;

bool RegisterPanelClass() {
  static const bool registered = [] {
    WNDCLASSEXW type{};
    type.cbSize = sizeof(type);
    type.lpfnWndProc = DefWindowProcW;
    type.hInstance = GetModuleHandleW(nullptr);
    type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    type.lpszClassName = kClass;
    return RegisterClassExW(&type) != 0;
  }();
  return registered;
}

}  // namespace

PanelView::PanelView(CPanelTemplate& panel, std::uint32_t index, HWND parent, Context context)
    : panel_(panel), index_(index), context_(std::move(context)) {
  if (!RegisterPanelClass()) return;
  window_ = CreateWindowExW(WS_EX_CONTROLPARENT, kClass, L"", WS_CHILD | WS_CLIPCHILDREN, 0, 0, 10, 10, parent, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, LONG_PTR(this));
  SetWindowLongPtrW(window_, GWLP_WNDPROC, LONG_PTR(&Procedure));
}

PanelView::~PanelView() {
  items_.clear();  // the controls go before their parent
  if (window_) DestroyWindow(window_);
}

int PanelView::Refresh(int width) {
  PanelInfoRecord info{};
  info.request = 1;
  const bool shown = panel_.GetPanelInfo(&info) && !(info.hidden & kPanelHidden);
  std::uint32_t count = 0;
  int top = Px(kPadding);
  for (; shown && count < kMaxItems; ++count) {
    ItemLayoutRecord layout{};
    if (!panel_.GetItemLayout(count, &layout)) break;
    top += LayOut(count, layout, top, width);
  }
  items_.resize(std::min<std::size_t>(items_.size(), count));  // the controls of items gone go with them
  width_ = width;
  height_ = shown ? top + Px(kPadding) : 0;
  SetWindowPos(window_, nullptr, 0, 0, width_, height_, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(window_, shown ? SW_SHOWNA : SW_HIDE);
  InvalidateRect(window_, nullptr, TRUE);
  return height_;
}

int PanelView::LayOut(std::uint32_t index, const ItemLayoutRecord& layout, int top, int width) {
  if (index >= items_.size()) items_.resize(index + 1);
  Item& item = items_[index];
  ItemContentRecord content{};
  const bool filled = panel_.GetItemContent(index, 0, &content);
  const auto* text = filled ? FromAddress<const char16_t>(content.text) : nullptr;
  item.text = text ? text : u"";
  item.picture = nullptr;
  if (filled && content.style && content.pictureKind == kPictureKind) item.picture = FromAddress<HBITMAP__>(content.picture);
  else if (filled && content.style && std::uint32_t(content.picture) == kNoPicture) item.picture = context_.placeholder;
  if (layout.type != kItemText && layout.type != kItemAccount) {  // a spacer without text
    if (item.control) item.control->ShowWindow(SW_HIDE);
    item.place = RECT{0, top, 0, top};
    return item.text.empty() ? Px(kSpacer) : 0;
  }
  if (!item.control) {
    item.control = std::make_unique<CStaticII>();
    InstallHostStyles(item.control->Document(), *context_.images);
    item.control->SetBackgroundColour(kBackgrounds[index_ % 2]);
    if (!item.control->Create(WS_VISIBLE, RECT{0, 0, 10, 10}, window_, 100 + index)) {
      item.control.reset();  // tried again at the next refresh
      return 0;
    }
    item.control->SetClickCallback([this, index](CLineObject* object, int link, CStaticII& control) {
      return OnClick(index, object, link, control);
    });
    item.record.control = AddressOf(item.control.get());
  }
  const bool account = layout.type == kItemAccount;
  const int left = Px(kPadding) + (account ? Px(kPicture + kPictureGap) : 0);
  const int textWidth = std::max(10, width - left - Px(kPadding));
  ::SetWindowPos(item.control->GetSafeHwnd(), nullptr, left, top, textWidth, 2000, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  item.control->SetText(item.text);
  // An item with links or buttons takes the focus by Tab; CStaticII moves it among them.
  const LONG style = GetWindowLongW(item.control->GetSafeHwnd(), GWL_STYLE);
  const LONG wanted = LinkItemCount(item.control->Document()) > 0 ? style | WS_TABSTOP : style & ~WS_TABSTOP;
  if (wanted != style) SetWindowLongW(item.control->GetSafeHwnd(), GWL_STYLE, wanted);
  const int textHeight = int(item.control->ContentSize().cy), height = std::max(account ? Px(kPicture) : 0, textHeight);
  // An account's line stands in the middle of its picture's height.
  const int textTop = top + (account ? (height - textHeight) / 2 : 0);
  ::SetWindowPos(item.control->GetSafeHwnd(), nullptr, left, textTop, textWidth, textHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  item.place = RECT{Px(kPadding), top, width - Px(kPadding), top + height};
  return height + (account ? Px(kAccountGap) : 0);
}

void PanelView::Place(int x, int y) {
  SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool PanelView::OnClick(std::uint32_t index, CLineObject* object, int link, CStaticII& control) {
  const CChDocument& document = control.Document();
  std::u16string type, command, id;
  if (document.LinkAttribute(object, link, u"TYPE", type) && parental::common::EqualsNoCase(type, u"COMMAND")) {
    document.LinkAttribute(object, link, u"COMMAND", command);
    context_.log("host command: " + parental::common::ToUtf8(command));
    context_.clicking(true);  // the command's window may run while a refresh comes
    context_.runCommand(GetAncestor(window_, GA_ROOT), command);
    context_.clicking(false);
    return true;
  }
  // A link's ID, or the identifier of a clicked object such as the state button.
  if (!document.LinkAttribute(object, link, u"ID", id)) id = object->Identifier();
  ItemLinkRecord record{0, std::uint32_t(ReadNumber(id))};
  context_.log("panel " + std::to_string(index_) + " item " + std::to_string(index) + ": link " +
               std::to_string(record.id) + " clicked");
  context_.clicking(true);
  panel_.OnItemLink(index, 0, &items_[index].record, &record);
  context_.clicking(false);
  return true;
}

bool PanelView::FindLink(const std::u16string& text, const std::u16string& within, POINT& screen) const {
  for (const Item& item : items_) {
    if (!item.control || !item.control->IsWindowVisible() || item.text.find(within) == std::u16string::npos) continue;
    CChDocument& document = item.control->Document();
    for (int number = 1, count = LinkItemCount(document); number <= count; ++number) {
      LinkItem link;
      if (!LinkItemAt(document, number, link) || link.name != text) continue;
      screen = POINT{(link.rect.left + link.rect.right) / 2, (link.rect.top + link.rect.bottom) / 2};
      return ClientToScreen(item.control->GetSafeHwnd(), &screen) != FALSE;
    }
  }
  return false;
}

std::vector<std::string> PanelView::Describe() const {
  const std::string prefix = "panel " + std::to_string(index_);
  if (!height_) return {prefix + ": hidden"};
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].control && items_[i].control->IsWindowVisible())
      lines.push_back(prefix + " item " + std::to_string(i) + (items_[i].picture ? " with a picture: " : ": ") +
                      parental::common::ToUtf8(items_[i].text));
  }
  return lines;
}

void PanelView::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  HBRUSH background = CreateSolidBrush(kBackgrounds[index_ % 2]);
  RECT client{0, 0, width_, height_};
  FillRect(dc, &client, background);
  DeleteObject(background);
  HDC source = CreateCompatibleDC(dc);
  for (const Item& item : items_) {
    BITMAP info{};
    if (!item.picture || !GetObjectW(item.picture, sizeof(info), &info)) continue;
    HGDIOBJ old = SelectObject(source, item.picture);
    SetStretchBltMode(dc, HALFTONE);
    StretchBlt(dc, item.place.left, item.place.top, Px(kPicture), Px(kPicture), source, 0, 0, info.bmWidth,
               std::abs(info.bmHeight), SRCCOPY);
    SelectObject(source, old);
  }
  DeleteDC(source);
  EndPaint(window_, &paint);
}

LRESULT CALLBACK PanelView::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<PanelView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_PAINT:
      if (!self) break;
      self->Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case CPanelTemplate::kRefreshMessage:  // a panel's own refresh request: the main window does it
      return SendMessageW(GetParent(window), message, wParam, lParam);
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace host
