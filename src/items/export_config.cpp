#include "items/export_config.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "common/out_of_memory.h"
#include "common/text.h"
#include "platform/guid_source.h"
#include "platform/registry_values.h"
#include "store/base64.h"

namespace {

using parental::common::CompareNoCase;
using parental::common::OrWhenOutOfMemory;
using parental::common::TextLength;

constexpr char16_t kIdentifierName[] = u"AutomaticItemID";
constexpr std::size_t kIdentifierLength = 36;
constexpr std::size_t kMaxStoredText = 65535;          // longer registry texts count as missing
constexpr std::size_t kMaxStoredBinary = 1024 * 1024;

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
  for (std::size_t i = 0; i < binaryCount_; ++i) std::free(binaries_[i]);
  std::free(texts_);  // the one block that holds all four arrays
  std::free(identifier_);
  texts_ = nullptr;
  numbers_ = nullptr;
  binaries_ = nullptr;
  binarySizes_ = nullptr;
  identifier_ = nullptr;
  textCount_ = numberCount_ = binaryCount_ = 0;
}

void CExportConfig::Swap(CExportConfig& o) noexcept {
  std::swap(deleted_, o.deleted_);
  std::swap(modified_, o.modified_);
  std::swap(textCount_, o.textCount_);
  std::swap(numberCount_, o.numberCount_);
  std::swap(binaryCount_, o.binaryCount_);
  std::swap(texts_, o.texts_);
  std::swap(numbers_, o.numbers_);
  std::swap(binaries_, o.binaries_);
  std::swap(binarySizes_, o.binarySizes_);
  std::swap(identifier_, o.identifier_);
  std::swap(hasIdentifier_, o.hasIdentifier_);
  std::swap(arraysMissing_, o.arraysMissing_);
}

void CExportConfig::Init(std::size_t texts, std::size_t numbers, std::size_t binaries, bool hasIdentifier) {
  Clear();
  deleted_ = modified_ = 0;
  hasIdentifier_ = hasIdentifier;
  // One zeroed block for the four arrays, pointers first; without it every count stays 0.
  const std::size_t bytes = texts * sizeof(char16_t*) + binaries * (sizeof(std::uint8_t*) + sizeof(std::uint64_t)) +
                            numbers * sizeof(std::uint32_t);
  auto* block = static_cast<std::uint8_t*>(bytes ? std::calloc(1, bytes) : nullptr);
  arraysMissing_ = bytes && !block;
  if (!block) return;
  texts_ = reinterpret_cast<char16_t**>(block);
  binaries_ = reinterpret_cast<std::uint8_t**>(texts_ + texts);
  binarySizes_ = reinterpret_cast<std::uint64_t*>(binaries_ + binaries);
  numbers_ = reinterpret_cast<std::uint32_t*>(binarySizes_ + binaries);
  textCount_ = texts;
  binaryCount_ = binaries;
  numberCount_ = numbers;
}

void CExportConfig::Init(std::size_t texts, std::size_t numbers, std::size_t binaries) {
  Init(texts, numbers, binaries, false);
}

const char16_t* CExportConfig::GetText(std::size_t i) const { return i < textCount_ ? texts_[i] : nullptr; }
std::uint32_t CExportConfig::GetNumber(std::size_t i) const { return i < numberCount_ ? numbers_[i] : 0; }
const std::uint8_t* CExportConfig::GetBinary(std::size_t i) const {
  return i < binaryCount_ ? binaries_[i] : nullptr;
}
std::uint64_t CExportConfig::GetBinarySize(std::size_t i) const {
  return i < binaryCount_ ? binarySizes_[i] : 0;
}

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

void CExportConfig::SetBinary(std::size_t i, const void* data, std::uint64_t size) {
  if (i >= binaryCount_) return;
  if (!data || size == 0) data = nullptr, size = 0;
  const std::uint8_t* old = binaries_[i];
  if (!old && !data) return;
  if (old && data && binarySizes_[i] == size && std::memcmp(old, data, std::size_t(size)) == 0) return;
  std::free(binaries_[i]);
  binaries_[i] = nullptr;
  binarySizes_[i] = 0;
  if (data && (binaries_[i] = static_cast<std::uint8_t*>(std::malloc(std::size_t(size))))) {
    std::memcpy(binaries_[i], data, std::size_t(size));
    binarySizes_[i] = size;
  }
  modified_ = 1;
}

CExportConfig::FieldKind CExportConfig::GetFieldKind(std::size_t index) const {
  if (index < textCount_) return kText;
  index -= textCount_;
  if (index < binaryCount_) return kBinary;
  index -= binaryCount_;
  return index < numberCount_ ? kNumber : kNone;
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
  const std::size_t fields = textCount_ + binaryCount_ + numberCount_;
  for (std::size_t index = 0; index < fields; ++index) {
    int c = 0;
    switch (GetFieldKind(index)) {
      case kText: {
        const std::size_t i = index;
        const char16_t *a = GetText(i), *b = other.GetText(i);
        c = (!a || !b) ? (a ? 1 : 0) - (b ? 1 : 0) : CompareNoCase(a, b);
        break;
      }
      case kBinary: {
        const std::size_t i = index - textCount_;
        const std::uint8_t *a = GetBinary(i), *b = other.GetBinary(i);
        if (!a || !b) {
          c = (a ? 1 : 0) - (b ? 1 : 0);
          break;
        }
        // The common bytes decide, then the length.
        const std::uint64_t na = GetBinarySize(i), nb = other.GetBinarySize(i);
        c = std::memcmp(a, b, std::size_t(na < nb ? na : nb));
        if (c == 0) c = na == nb ? 0 : (na < nb ? -1 : 1);
        break;
      }
      case kNumber: {
        const std::size_t i = index - textCount_ - binaryCount_;
        const std::uint32_t a = GetNumber(i), b = other.GetNumber(i);
        c = a == b ? 0 : (a < b ? -1 : 1);
        break;
      }
      case kNone:
        break;
    }
    if (c) return c;
  }
  return 0;
}

bool CExportConfig::Assign(const CExportConfig& o) {
  if (this == &o) return true;
  Init(o.textCount_, o.numberCount_, o.binaryCount_, o.hasIdentifier_);
  bool complete = textCount_ == o.textCount_ && numberCount_ == o.numberCount_ && binaryCount_ == o.binaryCount_;
  for (std::size_t i = 0; complete && i < textCount_; ++i)
    complete = !o.texts_[i] || (texts_[i] = DuplicateText(o.texts_[i]));
  for (std::size_t i = 0; complete && i < binaryCount_; ++i) {
    if (!o.binaries_[i]) continue;
    complete = (binaries_[i] = static_cast<std::uint8_t*>(std::malloc(std::size_t(o.binarySizes_[i])))) != nullptr;
    if (complete) {
      std::memcpy(binaries_[i], o.binaries_[i], std::size_t(o.binarySizes_[i]));
      binarySizes_[i] = o.binarySizes_[i];
    }
  }
  if (complete && numberCount_) std::memcpy(numbers_, o.numbers_, numberCount_ * sizeof(std::uint32_t));
  if (complete && o.identifier_) complete = (identifier_ = DuplicateText(o.identifier_)) != nullptr;
  if (!complete) {
    Init(0, 0, 0, false);
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
    if (!ShouldWrite(kText, i) || !GetTextName(i)) continue;
    const char16_t* text = GetText(i);
    if (!WriteField(doc, element, GetTextName(i), u"STRING", text ? text : u"", mode)) return false;
  }
  for (std::size_t i = 0; i < binaryCount_; ++i) {
    if (!ShouldWrite(kBinary, i) || !GetBinaryName(i)) continue;
    std::u16string value = Base64Encode(GetBinary(i), std::size_t(GetBinarySize(i)));
    if (!WriteField(doc, element, GetBinaryName(i), u"BINARY", value, mode)) return false;
  }
  for (std::size_t i = 0; i < numberCount_; ++i) {
    if (!ShouldWrite(kNumber, i) || !GetNumberName(i)) continue;
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
  for (std::size_t i = 0; i < binaryCount_; ++i) {
    std::free(std::exchange(binaries_[i], nullptr));
    binarySizes_[i] = 0;
  }
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
  std::vector<std::uint8_t> bytes;
  for (std::size_t i = 0; i < binaryCount_; ++i) {
    if (GetBinaryName(i) && parental::platform::ReadBinary(store, key, GetBinaryName(i), kMaxStoredBinary, &bytes)) {
      SetBinary(i, bytes.data(), bytes.size());
      kept = kept && (bytes.empty() || binaries_[i]);
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
