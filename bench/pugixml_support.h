#pragma once
// pugixml pieces shared by the benchmarks that build a configuration document with it.
#include <pugixml.hpp>

#include <string>

#include "common/text.h"
#include "items/export_list.h"

inline void AddValueNode(pugi::xml_node parent, const char* name, const char* type, const std::string& value) {
  pugi::xml_node node = parent.append_child("NODE");
  node.append_attribute("NAME") = name;
  node.append_attribute("TYPE") = type;
  node.append_attribute("VALUE") = value.c_str();
}

struct StringWriter : pugi::xml_writer {
  std::string* out;
  void write(const void* data, std::size_t size) override { out->append(static_cast<const char*>(data), size); }
};

// The section's element as the configuration document has it.
inline pugi::xml_node AppendProfiles(pugi::xml_document& doc, const char* pluginId) {
  pugi::xml_node section = doc.append_child("Corvid").append_child("SECTION");
  section.append_attribute("ID") = "01000103";
  pugi::xml_node plugin = section.append_child("SETTINGS").append_child("PLUGINS").append_child("PLUGIN");
  plugin.append_attribute("ID") = pluginId;
  return plugin.append_child("PROFILES");
}

inline std::size_t SaveToString(pugi::xml_document& doc, std::string& out) {
  out.clear();
  StringWriter writer;
  writer.out = &out;
  doc.save(writer, " ", pugi::format_default, pugi::encoding_utf8);
  return out.size();
}

// One role profile: its three values and its exception list, as the model saves them.
inline void AppendRoleProfile(pugi::xml_node profiles, const std::u16string& key, const char16_t* parent,
                              const char16_t* accounts, const char16_t* categories,
                              parental::shared::CExportConfigExceptionList& exceptions) {
  using parental::common::FormatHex;
  using parental::common::ToUtf8;
  using parental::shared::CExportConfigException;
  pugi::xml_node profile = profiles.append_child("NODE");
  profile.append_attribute("NAME") = ToUtf8(key).c_str();
  profile.append_attribute("TYPE") = "SUBNODE";
  AddValueNode(profile, "ParentRole", "STRING", ToUtf8(parent));
  AddValueNode(profile, "Accounts", "STRING", ToUtf8(accounts));
  AddValueNode(profile, "Categories", "STRING", ToUtf8(categories));
  pugi::xml_node list = profile.append_child("NODE");
  list.append_attribute("NAME") = "Exceptions";
  list.append_attribute("TYPE") = "SUBNODE";
  for (CExportConfigException& e : exceptions.Items()) {
    pugi::xml_node item = list.append_child("NODE");
    item.append_attribute("NAME") = "Exceptions";
    item.append_attribute("TYPE") = "SUBNODE";
    item.append_attribute("DELETE") = e.IsDeleted() ? "1" : "0";
    AddValueNode(item, "Url", "STRING", ToUtf8(e.GetText(CExportConfigException::kUrl)));
    AddValueNode(item, "State", "DWORD", ToUtf8(FormatHex(e.GetNumber(CExportConfigException::kState))));
    AddValueNode(item, "Priority", "DWORD", ToUtf8(FormatHex(e.GetNumber(CExportConfigException::kPriority))));
    AddValueNode(item, "AutomaticItemID", "STRING", ToUtf8(e.GetIdentifier()));
  }
}
