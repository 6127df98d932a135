// Settings tables in a configuration document: sections are paths from the root, values
// are typed "NODE" elements, and a profile marked for deletion is never read or written.
#include <cstring>

#include "profiles/settings_io.h"

namespace parental::profiles::detail {
namespace {

// The section's element, or null when it is missing (reading) or marked for deletion.
_XML_NODE* SectionNode(SettingsPass& pass, const SettingsEntry& e, bool write) {
  XmlDocument* doc = pass.handle->document;
  if (!e.name) return GetRoot(doc);
  const std::u16string path = ExpandEntryText(e.name, pass);
  _XML_NODE* node = ResolvePath(doc, nullptr, path, write ? kPathFindOrCreate : kPathFind);
  if (!node) return nullptr;
  char16_t mark[8] = u"0";
  std::size_t size = 8;
  if (GetAttribute(doc, node, kDeleteAttribute, mark, &size) != 0) mark[0] = u'0', mark[1] = 0;
  const bool deletePath = path.find(u"DELETE=1") != std::u16string::npos;
  const bool markedZero = mark[0] == u'0' && mark[1] == 0;
  if (deletePath ? markedZero : mark[0] != u'0') return nullptr;
  return node;
}

void ReadValue(SettingsPass& pass, _XML_NODE* node, const SettingsEntry& e, std::uint8_t* field) {
  XmlDocument* doc = pass.handle->document;
  const std::u16string name = ExpandEntryText(e.name, pass);
  bool read = false;
  switch (e.kind) {
    case kSettingsDword: {
      std::uint32_t value;
      if ((read = e.size >= 4 && GetDword(doc, node, name, &value))) std::memcpy(field, &value, 4);
      break;
    }
    case kSettingsString: {
      // Read into a copy: a value that does not fit leaves the field as it was.
      std::u16string text(std::size_t(e.size) / sizeof(char16_t), u'\0');
      std::size_t chars = text.size();
      read = GetString(doc, node, name, text.data(), &chars);
      if (read) SetFieldText(field, e.size, text.c_str());
      break;
    }
    default:
      break;
  }
  pass.any |= read;
}

bool WriteValue(SettingsPass& pass, _XML_NODE* node, const SettingsEntry& e, const std::uint8_t* field) {
  const bool dword = e.kind == kSettingsDword;
  const bool ok = SetValue(pass.handle->document, node, ExpandEntryText(e.name, pass),
                           dword ? kTypeDword : kTypeString, field, dword ? 4 : std::size_t(e.size));
  pass.any |= ok;
  return ok;
}

bool WalkTable(SettingsPass& pass, const SettingsEntry* table, std::uint8_t* readInto, const std::uint8_t* writeFrom,
               _XML_NODE* node) {
  const bool write = writeFrom != nullptr;
  bool ok = true;
  for (const SettingsEntry* e = table; e->kind != kSettingsEnd; ++e) {
    if (e->kind == kSettingsSection) {
      node = SectionNode(pass, *e, write);
      if (!node) return false;
    } else if (e->name && (e->kind == kSettingsDword || e->kind == kSettingsString)) {
      if (write) ok &= WriteValue(pass, node, *e, writeFrom + e->offset);
      else ReadValue(pass, node, *e, readInto + e->offset);
    }
  }
  return ok;
}

}  // namespace

bool ReadXmlTable(SettingsPass& pass, const SettingsEntry* table, void* record) {
  _XML_NODE* root = GetRoot(pass.handle->document);
  return root && WalkTable(pass, table, static_cast<std::uint8_t*>(record), nullptr, root);
}

bool WriteXmlTable(SettingsPass& pass, const SettingsEntry* table, const void* record) {
  _XML_NODE* root = GetRoot(pass.handle->document);
  return root && WalkTable(pass, table, nullptr, static_cast<const std::uint8_t*>(record), root);
}

}  // namespace parental::profiles::detail
