#pragma once
// The document context: what every object of one mark-up document shares. Named
// resources come through provider callbacks set by the embedding code; the document
// also owns the parser, the main text object, and the focus and hover state, so that
// a window control only has to add the window.
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "markup/line_object.h"
#include "markup/parser.h"

struct NoCaseLess {
  bool operator()(const std::u16string& a, const std::u16string& b) const;
};

class CChDocument {
 public:
  using Attributes = std::vector<std::pair<std::u16string, std::u16string>>;
  struct TagEntry {
    std::u16string tag;
    std::u16string type;
    Attributes defaults;
  };
  struct FocusState {
    CLineObject* object = nullptr;
    int link = -1;
    bool shown = false;
  };
  struct HoverState {
    CLineObject* object = nullptr;
    int link = -1;
    bool pressed = false;
    bool keyboardClick = false;
  };

  std::function<std::optional<FontDesc>(std::u16string_view name)> fontProvider;
  std::function<const Bitmap*(std::u16string_view name)> bitmapProvider;
  std::function<const Skin*(std::u16string_view name)> skinProvider;
  std::function<std::u16string(std::u16string_view name)> classResolver;
  // Named styles of the document's owner (fonts and text colours by tag name, such as a
  // host's headings and labels): asked for a tag that no other rule takes, with the tag's
  // value (`<NAME="value">`) or an empty one.
  std::function<std::optional<NamedStyle>(std::u16string_view name, std::u16string_view value)> styleProvider;
  // Asks the user to pick one of `items` below `button`; answers the command (item + 1) or 0.
  std::function<int(const std::vector<std::u16string>& items, const Rect& button)> menuChooser;
  // A true answer means that the click was handled.
  std::function<bool(CLineObject* object, int link)> clickHandler;
  std::function<void(const Rect& area)> invalidator;

  FontDesc defaultFont;
  Colour defaultTextColour = Rgb(0, 0, 0);
  int scrollBarWidth = 17;  // the system's vertical scroll bar width at 96 dots per inch
  FocusState focus;
  HoverState hover;

  CChDocument();
  ~CChDocument();
  CChDocument(const CChDocument&) = delete;
  CChDocument& operator=(const CChDocument&) = delete;

  // Named resources; a miss asks the provider once and keeps a non-null answer.
  const FontDesc* Font(std::u16string_view name);
  const Bitmap* BitmapNamed(std::u16string_view name);
  const Skin* SkinNamed(std::u16string_view name);
  std::u16string ClassText(std::u16string_view name) const;
  // The named style of a tag name (the part before any "=") and its value, kept like the
  // other named resources; null when the provider has none.
  const NamedStyle* Style(std::u16string_view name, std::u16string_view value);

  // Prototypes and the tag table.
  void RegisterPrototype(const std::u16string& type, std::unique_ptr<CLineObject> prototype);
  const TagEntry* FindTag(std::u16string_view name) const;
  // Clones the prototype of `type`, attaches it, applies `defaults` and the tag's own
  // attributes, and lets it read its content; `more` is the object's continue flag.
  std::unique_ptr<CLineObject> CreateObject(std::u16string_view type, const Attributes& defaults,
                                            const CChParser& parser, int& tagIndex, const CLineObject* parent,
                                            bool& more);
  // A bare object of `type` (no tag), for the empty content of table cells.
  std::unique_ptr<CLineObject> CreateEmpty(std::u16string_view type, const CLineObject* parent);

  // Objects by identifier; animation; dropping every reference to a dying object.
  void RegisterId(const std::u16string& id, CLineObject* object);
  CLineObject* FindObject(const std::u16string& id) const;
  void SetAnimated(CLineObject* object, bool animated);
  void Forget(CLineObject* object);
  void Invalidate(const Rect& area) const;

  // The document: "<p>text</p>" parsed into the main text object "_main_".
  void SetText(std::u16string_view text);
  CLineObject* Main() const { return main_.get(); }
  bool Animated() const { return !animated_.empty(); }
  // Lays the main object out in a client area; answers the content size. The context's DPI
  // becomes the document's: lengths written in mark-up count at 96 and are scaled to it.
  Size Layout(IDrawContext& dc, int width, int height);
  int Dpi() const { return dpi_; }
  void Draw(IDrawContext& dc);
  HitInfo HitTest(int x, int y);
  void Tick();
  // Moves the keyboard focus on (backward with Shift); false at the end of the chain.
  bool MoveFocus(bool backward);
  // The hover state at a point; answers true when the hovered object or link changed.
  bool UpdateHover(int x, int y) { return ApplyHover(HitTest(x, y)); }
  // The same for a hit test already made.
  bool ApplyHover(const HitInfo& hit);
  // The left pointer button over the hovered object; releasing it activates.
  void PointerDown(int x, int y);
  void PointerUp(int x, int y);
  // An attribute of the A tag of a text object's link (such as its ID, TYPE or COMMAND),
  // for the code that handles the click; false when the link or the attribute is missing.
  bool LinkAttribute(const CLineObject* object, int link, std::u16string_view name, std::u16string& value) const;
  // Offers a click to the click handler; false when it was not handled.
  bool Activate(CLineObject* object, int link);

 private:
  std::map<std::u16string, FontDesc, NoCaseLess> fonts_;
  std::map<std::u16string, const Bitmap*, NoCaseLess> bitmaps_;
  std::map<std::u16string, const Skin*, NoCaseLess> skins_;
  std::map<std::u16string, NamedStyle, NoCaseLess> styles_;
  std::map<std::u16string, CLineObject*> ids_;
  std::map<std::u16string, std::unique_ptr<CLineObject>, NoCaseLess> prototypes_;
  std::vector<TagEntry> tags_;
  std::vector<CLineObject*> animated_;
  CChParser parser_;
  std::unique_ptr<CLineObject> main_;
  unsigned tick_ = 0;
  int depth_ = 0;
  int dpi_ = kMarkupDpi;
};
