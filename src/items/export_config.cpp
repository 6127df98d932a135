#include "items/export_config.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

#include "common/out_of_memory.h"
#include "common/text.h"
#include "platform/guid_source.h"
#include "platform/registry_values.h"

namespace {

using parental::common::CompareNoCase;
using parental::common::OrWhenOutOfMemory;
using parental::common::TextLength;

constexpr char16_t kIdentifierName[] = u"AutomaticItemID";
constexpr std::size_t kIdentifierLength = 36;
constexpr std::size_t kMaxStoredText = 65535;          // longer registry texts count as missing

char16_t* DuplicateText(const char16_t* text) {
  const std::size_t n = TextLength(text);
  auto* copy = static_cast<char16_t*>(std::malloc((n + 1) * sizeof(char16_t)));
  if (copy) {
    std::memcpy(copy, text, n * sizeof(char16_t));
    copy[n] = 0;
  }
  return copy;
}

// Resolves "NODE;NAME=<name>;TYPE=<type>" under the element and sets its "VALUE". In an
// element that held no fields when the item began, nothing is there to find: the fields'
// names differ, so each is appended.
bool WriteField(XmlDocument* doc, _XML_NODE* element, const char16_t* name, const char16_t* type,
                std::u16string_view value, XmlPathMode mode) {
  const XmlFilter filters[] = {{u"NAME", name, false}, {u"TYPE", type, false}};
  _XML_NODE* node = ResolveSegment(doc, element, u"NODE", filters, 2, mode);
  if (!node) return false;
  // A node just appended has only its NAME and TYPE.
  return (mode == kPathAppend ? AppendAttribute(doc, node, u"VALUE", value) : SetAttribute(doc, node, u"VALUE", value)) == 0;
}

}  // namespace

CExportConfig::~CExportConfig() { Clear(); }

void CExportConfig::Clear() {
  for (std::size_t i = 0; i < textCount_; ++i) std::free(texts_[i]);
  std::free(texts_);  // the one block that holds both arrays
  std::free(identifier_);
  texts_ = nullptr;
  numbers_ = nullptr;
  identifier_ = nullptr;
  textCount_ = numberCount_ = 0;
}

void CExportConfig::Swap(CExportConfig& o) noexcept {
  std::swap(deleted_, o.deleted_);
  std::swap(modified_, o.modified_);
  std::swap(textCount_, o.textCount_);
  std::swap(numberCount_, o.numberCount_);
  std::swap(texts_, o.texts_);
  std::swap(numbers_, o.numbers_);
  std::swap(identifier_, o.identifier_);
  std::swap(hasIdentifier_, o.hasIdentifier_);
  std::swap(arraysMissing_, o.arraysMissing_);
}

void CExportConfig::Init(std::size_t texts, std::size_t numbers, bool hasIdentifier) {
  Clear();
  deleted_ = modified_ = 0;
  hasIdentifier_ = hasIdentifier;
  // One zeroed block for both arrays, pointers first; without it every count stays 0.
  const std::size_t bytes = texts * sizeof(char16_t*) + numbers * sizeof(std::uint32_t);
  auto* block = static_cast<std::uint8_t*>(bytes ? std::calloc(1, bytes) : nullptr);
  arraysMissing_ = bytes && !block;
  if (!block) return;
  texts_ = reinterpret_cast<char16_t**>(block);
  numbers_ = reinterpret_cast<std::uint32_t*>(texts_ + texts);
  textCount_ = texts;
  numberCount_ = numbers;
}

const char16_t* CExportConfig::GetText(std::size_t i) const { return i < textCount_ ? texts_[i] : nullptr; }
std::uint32_t CExportConfig::GetNumber(std::size_t i) const { return i < numberCount_ ? numbers_[i] : 0; }

void CExportConfig::SetText(std::size_t i, const char16_t* text) {
  if (i >= textCount_) return;
  if (text && !text[0]) text = nullptr;  // an empty text is stored as none
  const char16_t* old = texts_[i];
  if (old == text || (old && text && std::u16string_view(old) == std::u16string_view(text))) return;
  std::free(texts_[i]);
  texts_[i] = text ? DuplicateText(text) : nullptr;
  modified_ = 1;
}

void CExportConfig::SetNumber(std::size_t i, std::uint32_t value) {
  if (i >= numberCount_ || numbers_[i] == value) return;
  numbers_[i] = value;
  modified_ = 1;
}

char16_t* CExportConfig::CreateIdentifier() const {
  return OrWhenOutOfMemory<char16_t*>(nullptr, [] {
    parental::platform::Guid g;
    if (!parental::platform::DefaultGuidSource().NewGuid(&g)) return static_cast<char16_t*>(nullptr);
    const std::u16string text = parental::platform::FormatGuid(g);
    return text.size() == kIdentifierLength ? DuplicateText(text.c_str()) : nullptr;
  });
}

const char16_t* CExportConfig::GetIdentifier() {
  if (hasIdentifier_ && !identifier_) identifier_ = CreateIdentifier();
  return identifier_;
}

bool CExportConfig::SetIdentifier(const char16_t* text) {
  std::free(identifier_);
  identifier_ = text ? DuplicateText(text) : nullptr;
  return true;
}

int CExportConfig::Compare(CExportConfig& other) {
  if (hasIdentifier_) {
    const char16_t* mine = GetIdentifier();
    const char16_t* theirs = other.GetIdentifier();
    if (!theirs) return mine ? 1 : 0;
    if (!mine) return -1;
    return CompareNoCase(mine, theirs);
  }
  // Texts first, then numbers; absent texts before present ones.
  for (std::size_t i = 0; i < textCount_; ++i) {
    const char16_t *a = GetText(i), *b = other.GetText(i);
    const int c = (!a || !b) ? (a ? 1 : 0) - (b ? 1 : 0) : CompareNoCase(a, b);
    if (c) return c;
  }
  for (std::size_t i = 0; i < numberCount_; ++i) {
    const std::uint32_t a = GetNumber(i), b = other.GetNumber(i);
    if (a != b) return a < b ? -1 : 1;
  }
  return 0;
}

bool CExportConfig::Assign(const CExportConfig& o) {
  if (this == &o) return true;
  Init(o.textCount_, o.numberCount_, o.hasIdentifier_);
  bool complete = textCount_ == o.textCount_ && numberCount_ == o.numberCount_;
  for (std::size_t i = 0; complete && i < textCount_; ++i)
    complete = !o.texts_[i] || (texts_[i] = DuplicateText(o.texts_[i]));
  if (complete && numberCount_) std::memcpy(numbers_, o.numbers_, numberCount_ * sizeof(std::uint32_t));
  if (complete && o.identifier_) complete = (identifier_ = DuplicateText(o.identifier_)) != nullptr;
  if (!complete) {
    Init(0, 0, false);
    return false;
  }
  deleted_ = o.deleted_;
  modified_ = o.modified_;
  return true;
}

bool CExportConfig::WriteItem(XmlDocument* doc, _XML_NODE* element) {
  return OrWhenOutOfMemory(false, [&] { return WriteFields(doc, element); });
}

bool CExportConfig::WriteFields(XmlDocument* doc, _XML_NODE* element) {
  if (!doc || !element || !IsValid()) return false;
  const XmlPathMode mode = FirstChildElement(element) ? kPathFindOrCreate : kPathAppend;
  if (SetAttribute(doc, element, u"DELETE", deleted_ ? u"1" : u"0") != 0) return false;
  for (std::size_t i = 0; i < textCount_; ++i) {
    if (!GetTextName(i)) continue;
    const char16_t* text = GetText(i);
    if (!WriteField(doc, element, GetTextName(i), u"STRING", text ? text : u"", mode)) return false;
  }
  for (std::size_t i = 0; i < numberCount_; ++i) {
    if (!GetNumberName(i)) continue;
    if (!WriteField(doc, element, GetNumberName(i), u"DWORD", parental::common::FormatHex(GetNumber(i)), mode))
      return false;
  }
  if (!hasIdentifier_) return true;
  const char16_t* id = GetIdentifier();
  return id && WriteField(doc, element, kIdentifierName, u"STRING", id, mode);
}

bool CExportConfig::ReadItem(parental::platform::IRegistryStore& store, parental::platform::RegKey key,
                            bool* complete) {
  for (std::size_t i = 0; i < textCount_; ++i) std::free(std::exchange(texts_[i], nullptr));
  for (std::size_t i = 0; i < numberCount_; ++i) numbers_[i] = 0;
  SetIdentifier(nullptr);
  const bool kept = OrWhenOutOfMemory(false, [&] { return ReadFields(store, key); });
  if (complete) *complete = kept && !arraysMissing_;
  modified_ = 0;
  return IsValid();
}

bool CExportConfig::ReadFields(parental::platform::IRegistryStore& store, parental::platform::RegKey key) {
  // A value read but not kept (its copy failed) makes the item incomplete.
  bool kept = true;
  std::u16string text;
  for (std::size_t i = 0; i < textCount_; ++i) {
    if (GetTextName(i) && parental::platform::ReadText(store, key, GetTextName(i), kMaxStoredText, &text)) {
      SetText(i, text.c_str());
      kept = kept && (text.empty() || texts_[i]);
    }
  }
  for (std::size_t i = 0; i < numberCount_; ++i) {
    std::uint32_t value;
    if (GetNumberName(i) && parental::platform::ReadDword(store, key, GetNumberName(i), &value))
      numbers_[i] = value;
  }
  if (hasIdentifier_ && parental::platform::ReadText(store, key, kIdentifierName, kMaxStoredText, &text)) {
    SetIdentifier(text.empty() ? nullptr : text.c_str());
    kept = kept && (text.empty() || identifier_);
  }
  return kept;
}
