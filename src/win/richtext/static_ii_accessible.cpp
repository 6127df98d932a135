#include "win/richtext/static_ii_accessible.h"

#include "common/text.h"
#include "markup/link_items.h"
#include "win/richtext/static_ii.h"

using parental::common::AsWide;

namespace {

BSTR MakeText(const std::u16string& text) { return SysAllocStringLen(AsWide(text.c_str()), static_cast<UINT>(text.size())); }

void SetChild(VARIANT* result, long child) {
  VariantInit(result);
  result->vt = VT_I4;
  result->lVal = child;
}

}  // namespace

#define REQUIRE_CONTROL() \
  if (!control_ || !control_->GetSafeHwnd()) return RPC_E_DISCONNECTED

HRESULT CStaticIIAccessible::QueryInterface(REFIID id, void** object) {
  if (!object) return E_POINTER;
  if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG CStaticIIAccessible::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG CStaticIIAccessible::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT CStaticIIAccessible::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

long CStaticIIAccessible::ChildOf(const VARIANT& child) const {
  if (child.vt != VT_I4 || child.lVal < 0) return -1;
  return child.lVal <= LinkItemCount(control_->Document()) ? child.lVal : -1;
}

long CStaticIIAccessible::FocusedChild() const {
  const CChDocument::FocusState& focus = control_->Document().focus;
  return LinkItemNumber(control_->Document(), focus.object, focus.link);
}

HRESULT CStaticIIAccessible::get_accParent(IDispatch** parent) {
  REQUIRE_CONTROL();
  if (!parent) return E_POINTER;
  return AccessibleObjectFromWindow(control_->GetSafeHwnd(), static_cast<DWORD>(OBJID_WINDOW), __uuidof(IDispatch),
                                    reinterpret_cast<void**>(parent));
}

HRESULT CStaticIIAccessible::get_accChildCount(long* count) {
  REQUIRE_CONTROL();
  if (!count) return E_POINTER;
  *count = LinkItemCount(control_->Document());
  return S_OK;
}

HRESULT CStaticIIAccessible::get_accChild(VARIANT child, IDispatch** object) {
  REQUIRE_CONTROL();
  if (!object) return E_POINTER;
  *object = nullptr;
  return ChildOf(child) < 0 ? E_INVALIDARG : S_FALSE;  // children are simple elements
}

HRESULT CStaticIIAccessible::get_accName(VARIANT child, BSTR* name) {
  REQUIRE_CONTROL();
  if (!name) return E_POINTER;
  *name = nullptr;
  const long number = ChildOf(child);
  if (number < 0) return E_INVALIDARG;
  if (number == 0) {
    const std::u16string text = control_->GetWindowText();
    if (text.empty()) return S_FALSE;
    *name = MakeText(text);
    return S_OK;
  }
  LinkItem item;
  if (!LinkItemAt(control_->Document(), number, item)) return E_INVALIDARG;
  *name = MakeText(item.name);
  return S_OK;
}

HRESULT CStaticIIAccessible::get_accValue(VARIANT child, BSTR* value) {
  if (value) *value = nullptr;
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT CStaticIIAccessible::get_accDescription(VARIANT child, BSTR* description) {
  if (description) *description = nullptr;
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT CStaticIIAccessible::get_accRole(VARIANT child, VARIANT* role) {
  REQUIRE_CONTROL();
  if (!role) return E_POINTER;
  const long number = ChildOf(child);
  LinkItem item;
  if (number < 0 || (number > 0 && !LinkItemAt(control_->Document(), number, item))) return E_INVALIDARG;
  SetChild(role, number == 0 ? ROLE_SYSTEM_CLIENT : item.button ? ROLE_SYSTEM_PUSHBUTTON : ROLE_SYSTEM_LINK);
  return S_OK;
}

HRESULT CStaticIIAccessible::get_accState(VARIANT child, VARIANT* state) {
  REQUIRE_CONTROL();
  if (!state) return E_POINTER;
  const long number = ChildOf(child);
  if (number < 0) return E_INVALIDARG;
  const bool hasFocus = control_->HasFocus();
  long bits = STATE_SYSTEM_FOCUSABLE;
  if (number == 0) {
    if (hasFocus) bits |= STATE_SYSTEM_FOCUSED;
  } else {
    bits |= STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_LINKED;
    if (number == FocusedChild()) bits |= STATE_SYSTEM_SELECTED | (hasFocus ? STATE_SYSTEM_FOCUSED : 0);
  }
  SetChild(state, bits);
  return S_OK;
}

HRESULT CStaticIIAccessible::get_accHelp(VARIANT child, BSTR* help) {
  if (help) *help = nullptr;
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT CStaticIIAccessible::get_accHelpTopic(BSTR* file, VARIANT child, long* topic) {
  if (file) *file = nullptr;
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT CStaticIIAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
  if (shortcut) *shortcut = nullptr;
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT CStaticIIAccessible::get_accFocus(VARIANT* child) {
  REQUIRE_CONTROL();
  if (!child) return E_POINTER;
  VariantInit(child);
  if (!control_->HasFocus()) return S_FALSE;
  SetChild(child, FocusedChild());
  return S_OK;
}

HRESULT CStaticIIAccessible::get_accSelection(VARIANT* children) {
  REQUIRE_CONTROL();
  if (!children) return E_POINTER;
  VariantInit(children);
  const long focused = FocusedChild();
  if (!focused) return S_FALSE;
  SetChild(children, focused);
  return S_OK;
}

HRESULT CStaticIIAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
  REQUIRE_CONTROL();
  if (!action) return E_POINTER;
  *action = nullptr;
  const long number = ChildOf(child);
  if (number < 0) return E_INVALIDARG;
  if (number == 0) return DISP_E_MEMBERNOTFOUND;
  *action = SysAllocString(L"Click");
  return S_OK;
}

HRESULT CStaticIIAccessible::accSelect(long flags, VARIANT child) {
  REQUIRE_CONTROL();
  const long number = ChildOf(child);
  LinkItem item;
  if (number <= 0 || !LinkItemAt(control_->Document(), number, item)) return E_INVALIDARG;
  if (flags & SELFLAG_TAKEFOCUS) control_->SetFocus();
  return control_->FocusItem(item.object, item.link) ? S_OK : S_FALSE;
}

HRESULT CStaticIIAccessible::accLocation(long* left, long* top, long* width, long* height, VARIANT child) {
  REQUIRE_CONTROL();
  if (!left || !top || !width || !height) return E_POINTER;
  const long number = ChildOf(child);
  RECT area{};
  if (number == 0) {
    area = control_->GetClientRect();
  } else {
    LinkItem item;
    if (number < 0 || !LinkItemAt(control_->Document(), number, item)) return E_INVALIDARG;
    area = RECT{item.rect.left, item.rect.top, item.rect.right, item.rect.bottom};
  }
  MapWindowPoints(control_->GetSafeHwnd(), nullptr, reinterpret_cast<POINT*>(&area), 2);
  *left = area.left;
  *top = area.top;
  *width = area.right - area.left;
  *height = area.bottom - area.top;
  return S_OK;
}

HRESULT CStaticIIAccessible::accNavigate(long direction, VARIANT start, VARIANT* end) {
  REQUIRE_CONTROL();
  if (!end) return E_POINTER;
  VariantInit(end);
  const long from = ChildOf(start), count = LinkItemCount(control_->Document());
  if (from < 0) return E_INVALIDARG;
  long to = 0;
  switch (direction) {
    case NAVDIR_FIRSTCHILD: to = from == 0 ? 1 : 0; break;
    case NAVDIR_LASTCHILD: to = from == 0 ? count : 0; break;
    case NAVDIR_UP: case NAVDIR_LEFT: case NAVDIR_PREVIOUS: to = from > 0 ? from - 1 : 0; break;
    case NAVDIR_DOWN: case NAVDIR_RIGHT: case NAVDIR_NEXT: to = from > 0 ? from + 1 : 0; break;
    default: return E_INVALIDARG;
  }
  if (to < 1 || to > count) return S_FALSE;
  SetChild(end, to);
  return S_OK;
}

HRESULT CStaticIIAccessible::accHitTest(long x, long y, VARIANT* child) {
  REQUIRE_CONTROL();
  if (!child) return E_POINTER;
  VariantInit(child);
  POINT point{x, y};
  ScreenToClient(control_->GetSafeHwnd(), &point);
  const RECT client = control_->GetClientRect();
  if (!PtInRect(&client, point)) return S_FALSE;
  const HitInfo hit = control_->Document().HitTest(point.x, point.y);
  SetChild(child, hit.link >= 0 ? LinkItemNumber(control_->Document(), hit.object, hit.link) : 0);
  return S_OK;
}

HRESULT CStaticIIAccessible::accDoDefaultAction(VARIANT child) {
  REQUIRE_CONTROL();
  const long number = ChildOf(child);
  LinkItem item;
  if (number <= 0 || !LinkItemAt(control_->Document(), number, item)) return E_INVALIDARG;
  control_->FocusItem(item.object, item.link);
  control_->Activate(item.object, item.link);
  return S_OK;
}
