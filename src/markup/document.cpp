#include "markup/document.h"

#include <algorithm>
#include <type_traits>

#include "common/text.h"
#include "markup/button.h"
#include "markup/leaf_objects.h"
#include "markup/table.h"
#include "markup/text_object.h"

using parental::common::CompareNoCase;

namespace {

// Containers nest by recursion; deeper mark-up is read as plain text.
constexpr int kMaxDepth = 48;

}  // namespace

bool NoCaseLess::operator()(const std::u16string& a, const std::u16string& b) const {
  return CompareNoCase(a, b) < 0;
}

CChDocument::CChDocument() {
  RegisterPrototype(u"test", std::make_unique<CTestLineObject>());
  RegisterPrototype(u"image", std::make_unique<CImageLO>());
  RegisterPrototype(u"p", std::make_unique<CTextLO>());
  RegisterPrototype(u"table", std::make_unique<CTableLO>());
  RegisterPrototype(u"line", std::make_unique<CLineLO>());
  RegisterPrototype(u"button", std::make_unique<CButtonLO>());
  RegisterPrototype(u"progress", std::make_unique<CProgressLO>());
  RegisterPrototype(u"icon", std::make_unique<CIconLO>());
  RegisterPrototype(u"path", std::make_unique<CPathLO>());
  tags_ = {
      {u"P", u"p", {}},
      {u"IMG", u"image", {}},
      {u"TABLE", u"table", {}},
      {u"LINE", u"line", {}},
      {u"BUTTON", u"button", {}},
      {u"PROGRESS", u"progress", {}},
      {u"PATH", u"path", {}},
      {u"SHIELD", u"icon", {{u"TYPE", u"SHIELD"}}},
      {u"APP", u"icon", {{u"MARGIN", u"0,5,0,0"}}},
      {u"IT", u"icon", {{u"TYPE", u"INFOTIP"}, {u"MARGIN", u"0,5,3,5"}}},
      {u"PIPE", u"icon", {{u"TYPE", u"PIPE"}, {u"MARGIN", u"0,5,0,5"}}},
  };
}

CChDocument::~CChDocument() {
  main_.reset();
  prototypes_.clear();
}

template <class Map, class Provider>
static auto Resolve(Map& map, const Provider& provider, std::u16string_view name) -> decltype(&map.begin()->second) {
  std::u16string key(name);
  auto found = map.find(key);
  if (found != map.end()) return &found->second;
  if (!provider) return nullptr;
  auto answer = provider(name);
  if (!answer) return nullptr;
  if constexpr (std::is_pointer_v<decltype(answer)>) {
    return &map.emplace(std::move(key), answer).first->second;
  } else {
    return &map.emplace(std::move(key), *answer).first->second;
  }
}

const FontDesc* CChDocument::Font(std::u16string_view name) { return Resolve(fonts_, fontProvider, name); }

const Bitmap* CChDocument::BitmapNamed(std::u16string_view name) {
  auto* slot = Resolve(bitmaps_, bitmapProvider, name);
  return slot ? *slot : nullptr;
}

const Skin* CChDocument::SkinNamed(std::u16string_view name) {
  auto* slot = Resolve(skins_, skinProvider, name);
  return slot ? *slot : nullptr;
}

const NamedStyle* CChDocument::Style(std::u16string_view name, std::u16string_view value) {
  std::u16string key(name);
  key.append(1, u'=').append(value);
  auto found = styles_.find(key);
  if (found != styles_.end()) return &found->second;
  std::optional<NamedStyle> style = styleProvider ? styleProvider(name, value) : std::nullopt;
  return style ? &styles_.emplace(std::move(key), std::move(*style)).first->second : nullptr;
}

bool CChDocument::LinkAttribute(const CLineObject* object, int link, std::u16string_view name,
                                std::u16string& value) const {
  if (!object || object->GetKind() != CLineObject::kText) return false;
  const CChCore::Link* entry = static_cast<const CTextLO*>(object)->Core().LinkEntry(link);
  if (!entry || entry->tagIndex < 0) return false;
  std::u16string attribute;
  for (int i = 0; parser_.GetTagAttribute(entry->tagIndex, i, attribute, value); ++i) {
    if (parental::common::EqualsNoCase(attribute, name)) return true;
  }
  return false;
}

std::u16string CChDocument::ClassText(std::u16string_view name) const {
  return classResolver ? classResolver(name) : std::u16string();
}

void CChDocument::RegisterPrototype(const std::u16string& type, std::unique_ptr<CLineObject> prototype) {
  prototypes_[type] = std::move(prototype);
}

const CChDocument::TagEntry* CChDocument::FindTag(std::u16string_view name) const {
  for (const auto& entry : tags_) {
    if (parental::common::EqualsNoCase(entry.tag, name)) return &entry;
  }
  return nullptr;
}

std::unique_ptr<CLineObject> CChDocument::CreateEmpty(std::u16string_view type, const CLineObject* parent) {
  auto found = prototypes_.find(std::u16string(type));
  if (found == prototypes_.end()) return nullptr;
  auto object = found->second->Clone();
  object->Attach(this, parent);
  return object;
}

std::unique_ptr<CLineObject> CChDocument::CreateObject(std::u16string_view type, const Attributes& defaults,
                                                       const CChParser& parser, int& tagIndex,
                                                       const CLineObject* parent, bool& more) {
  more = true;
  if (depth_ >= kMaxDepth) return nullptr;
  auto object = CreateEmpty(type, parent);
  if (!object) return nullptr;
  object->SetSource(&parser, tagIndex);
  for (const auto& [name, value] : defaults) object->SetAttribute(name, value);
  object->ApplyTagAttributes();
  ++depth_;
  const int start = tagIndex;
  more = object->Parse(parser, tagIndex, *this);
  tagIndex = std::max(tagIndex, start);
  --depth_;
  return object;
}

void CChDocument::RegisterId(const std::u16string& id, CLineObject* object) { ids_[id] = object; }

CLineObject* CChDocument::FindObject(const std::u16string& id) const {
  auto found = ids_.find(id);
  return found == ids_.end() ? nullptr : found->second;
}

void CChDocument::SetAnimated(CLineObject* object, bool animated) {
  auto found = std::find(animated_.begin(), animated_.end(), object);
  if (animated && found == animated_.end()) animated_.push_back(object);
  if (!animated && found != animated_.end()) animated_.erase(found);
}

void CChDocument::Forget(CLineObject* object) {
  auto id = ids_.find(object->Identifier());
  if (id != ids_.end() && id->second == object) ids_.erase(id);
  SetAnimated(object, false);
  if (focus.object == object) focus = {nullptr, -1, focus.shown};
  if (hover.object == object) hover = HoverState{};
}

void CChDocument::Invalidate(const Rect& area) const {
  if (invalidator) invalidator(area);
}

void CChDocument::SetText(std::u16string_view text) {
  main_.reset();
  std::u16string wrapped = u"<p>";
  wrapped.append(text).append(u"</p>");
  parser_.Parse(wrapped);
  int index = 0;
  bool more = true;
  depth_ = 0;
  main_ = CreateObject(u"p", {}, parser_, index, nullptr, more);
  if (main_) main_->SetAttribute(u"ID", u"_main_");
  hover = HoverState{};
  focus = {nullptr, -1, focus.shown};
  tick_ = 0;
}

// The main object's margins and padding are kept clear of the client area's edges.
Size CChDocument::Layout(IDrawContext& dc, int width, int height) {
  dpi_ = dc.Dpi() > 0 ? dc.Dpi() : kMarkupDpi;
  if (!main_) return {};
  const ScaledSides m = main_->Margins(), p = main_->Padding();
  const int hs = m.Horizontal() + p.Horizontal(), vs = m.Vertical() + p.Vertical();
  const int x = m.left + p.left, y = m.top + p.top;
  const int budgetWidth = main_->WidthBudget(width), budgetHeight = main_->HeightBudget(height);
  Size size = main_->Measure(dc, x, y, x + budgetWidth - hs, y + budgetHeight - vs);
  return {size.cx + hs, size.cy + vs};
}

void CChDocument::Draw(IDrawContext& dc) {
  if (main_ && main_->Visible()) main_->Draw(dc);
}

HitInfo CChDocument::HitTest(int x, int y) {
  HitInfo hit;
  if (main_ && main_->Visible() && main_->GetRect().Contains(x, y)) main_->ObjectAt(x, y, hit);
  return hit;
}

void CChDocument::Tick() {
  const auto animated = animated_;  // an object may leave the list while ticking
  for (CLineObject* object : animated) {
    if (std::find(animated_.begin(), animated_.end(), object) != animated_.end()) object->OnTick(tick_);
  }
  ++tick_;
}

bool CChDocument::MoveFocus(bool backward) {
  if (!main_) return false;
  const FocusState before = focus;
  if (main_->MoveFocus(before.object == nullptr, backward)) {
    if (before.object) before.object->InvalidateLink(before.link);
    if (focus.object) focus.object->InvalidateLink(focus.link);
    return true;
  }
  focus = {nullptr, -1, focus.shown};
  if (before.object) before.object->InvalidateLink(before.link);
  return false;
}

bool CChDocument::ApplyHover(const HitInfo& hit) {
  if (hit.object == hover.object && hit.link == hover.link) return false;
  if (hover.object) {
    hover.object->OnMouseLeave();
    hover.object->InvalidateLink(hover.link);
  }
  hover.object = hit.object;
  hover.link = hit.object ? hit.link : -1;
  if (hover.object) hover.object->InvalidateLink(hover.link);
  return true;
}

void CChDocument::PointerDown(int x, int y) {
  UpdateHover(x, y);
  if (!hover.object || hover.link < 0) return;
  hover.pressed = true;
  hover.object->OnPress(x, y, true);
}

void CChDocument::PointerUp(int x, int y) {
  if (!hover.object || hover.link < 0 || !hover.pressed) return;
  CLineObject* object = hover.object;
  const int link = hover.link;
  hover.pressed = false;
  object->OnPress(x, y, false);
  Activate(object, link);
}

bool CChDocument::Activate(CLineObject* object, int link) {
  object->OnActivate(link);
  return clickHandler && clickHandler(object, link);
}
