#include "host_texts.h"

#include "common/text.h"

using parental::common::FromUtf8;

GridColumns CategoryColumns(int groups, int perGroup) {
  static const char* const names[] = {"Child", "Teen", "Adult", "Custom", "Other"};
  static const char* const topics[] = {"Games", "Chat", "Social networks", "Web mail", "Shopping & auctions", "News",
                                       "Sports", "Music", "Video streaming", "Dating", "Gambling", "Weapons", "Drugs",
                                       "Alcohol & tobacco", "Violence"};
  const int items = groups * perGroup + groups, lines = (items + 3) / 3;
  GridColumns columns;
  int line = lines;
  for (int g = 0; g < groups; ++g) {
    for (int c = 0; c < perGroup; ++c) {
      const bool heading = c == 0;
      if (line == lines || (heading && line + 1 >= lines)) {
        columns.emplace_back();
        line = 0;
      }
      if (heading) {
        columns.back().push_back({true, names[g % 5], "", 0, false});
        ++line;
      }
      const char* topic = topics[(g * 7 + c) % 15];
      const int id = g * perGroup + c + 1;
      columns.back().push_back({false, topic, std::string("Pages about ") + topic, id, id % 3 != 0});
      ++line;
    }
  }
  return columns;
}

std::u16string CategoryGrid(const GridColumns& columns) {
  std::string text = "<TABLE WIDTH=\"100%%\" MARGIN=\"5,10,5,10\"><TR>";
  for (const auto& column : columns) {
    text += "<TD><P>";
    for (const GridLine& line : column) {
      if (line.heading) {
        text += "<P WIDTH=\"200\" HEIGHT=\"15\" MARGIN=\"10,0,0,0\"><b>" + line.text + "</b></P>";
        continue;
      }
      std::string caption = line.text;  // "&" is doubled in captions
      for (auto at = caption.find('&'); at != std::string::npos; at = caption.find('&', at + 2)) caption.insert(at, "&");
      text += "<BUTTON TYPE=\"checkbox\" SKIN=\"parental_checkbox\" H-OFFSET=\"25,0\" ID=\"" + std::to_string(line.id) +
              "\" TOOLTIP=\"" + line.tooltip + "\" HEIGHT=\"25\" WIDTH=\"200\" CAPTION=\"" + caption + "\" STATE=\"" +
              (line.checked ? "1" : "0") + "\"/>";
    }
    text += "</P></TD>";
  }
  return FromUtf8(text + "</TR></TABLE>");
}

const std::vector<Warning>& Warnings() {
  static const std::vector<Warning> warnings = {
      {"The settings are not protected by a password, so any user can change or switch off parental control.",
       "TYPE=\"COMMAND\" COMMAND=\"gui.passworddlg.show\"", "Set password"},
      {"Web pages sent over encrypted connections are not filtered.", "ID=\"1\"", "Enable"},
  };
  return warnings;
}

std::u16string StatusHeader(bool withWarnings) {
  std::string rows;
  if (withWarnings) {
    rows = "<tr><td height=\"15\"></td><td></td><td></td></tr>";
    for (const Warning& warning : Warnings()) {
      rows += "<tr><td><p><COLOR=\"#333333\">" + warning.message + "</COLOR></p></td><td></td><td><p><A " +
              warning.linkAttributes + ">" + warning.link + "</A></p></td></tr>";
    }
  }
  return FromUtf8("<table width=\"512\"><tr><td><p><h8>Parental control</h8></p></td><td width=\"16\">"
                  "<img src=\"state_icon_list\" frames=\"5\" active=\"0\" /></td><td width=\"120\">"
                  "<button skin=\"default_selection\" width=\"50\" height=\"18\" id=\"0\" h-offset=\"0,18\" "
                  "padding=\"2,2,2,2\" multiline=\"0\" caption=\"Enabled\"/></td></tr>" +
                  rows + "</table>");
}

std::vector<Account> Accounts(int count) {
  static const Account kinds[] = {{"alice", 1, 12}, {"OFFICE\\bob", 2, 1}, {"guest", 0, 0}};
  std::vector<Account> accounts;
  for (int i = 0; i < count; ++i) {
    Account account = kinds[i % 3];
    if (i >= 3) account.name += std::to_string(i / 3 + 1);
    accounts.push_back(account);
  }
  return accounts;
}

std::string AgeText(int age) { return std::to_string(age) + (age == 1 ? " year" : " years"); }

std::u16string AccountLines(const std::vector<Account>& accounts) {
  std::string text;
  for (const Account& account : accounts) {
    if (!text.empty()) text += "\n";
    if (account.kind == 0) {
      text += "<TABPOS=\"333\"><H4>" + account.name + "</H4>\t<A ID=\"1\">Not defined</A>";
      continue;
    }
    const bool enabled = account.kind == 1;
    text += "<TABPOS=\"316\"><H4>" + account.name + " (<A ID=\"4\">" + AgeText(account.age) + "</A>)</H4>\t<A ID=\"" +
            (enabled ? "3\"><F7>Enabled" : "2\"><F8>Disabled") + "</A>\n<A ID=\"0\">Setup...</A>";
  }
  return FromUtf8(text);
}

std::optional<FontDesc> HostFont(std::u16string_view name) {
  FontDesc font;
  if (name == u"H8") {
    font.height = -17;
    font.weight = 700;
  } else if (name == u"H4") {
    font.weight = 700;
  } else if (name != u"F7" && name != u"F8") {
    return std::nullopt;
  }
  return font;
}

const Skin* HostSkin(std::u16string_view name) {
  static const Skin selection{Rgb(240, 240, 240), Rgb(160, 160, 160), Rgb(0, 0, 0), Rgb(80, 80, 80)};
  static const Skin checkbox{Rgb(255, 255, 255), Rgb(110, 110, 110), Rgb(0, 0, 0), Rgb(46, 140, 60)};
  return name == u"default_selection" ? &selection : name == u"parental_checkbox" ? &checkbox : nullptr;
}
