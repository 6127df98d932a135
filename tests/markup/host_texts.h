#pragma once
// The mark-up that the plug-in writes for the host's status panel and for the category
// grid of its account dialog, with the host's named fonts and skins: content shared by the
// render test and the benchmark. Texts are built as UTF-8 and handed over as UTF-16.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "markup/draw_context.h"

// One line of the category grid: a group heading or a category's check box.
struct GridLine {
  bool heading = false;
  std::string text;  // the group's name or the category's caption, as shown
  std::string tooltip;
  int id = 0;
  bool checked = false;
};
using GridColumns = std::vector<std::vector<GridLine>>;

// `groups` groups of `perGroup` categories in columns of (items + 3) / 3 lines; a group
// heading never takes the last line of a column.
GridColumns CategoryColumns(int groups, int perGroup);
std::u16string CategoryGrid(const GridColumns& columns);

// The panel's header: title, state image and state button, then the warning rows.
struct Warning {
  std::string message;
  std::string linkAttributes;  // of the A tag
  std::string link;
};
const std::vector<Warning>& Warnings();
std::u16string StatusHeader(bool withWarnings);

// One account line: kind 0 not defined, 1 enabled, 2 disabled.
struct Account {
  std::string name;
  int kind = 0;
  int age = 0;
};
std::vector<Account> Accounts(int count);
std::string AgeText(int age);
// The accounts' lines, one after the other.
std::u16string AccountLines(const std::vector<Account>& accounts);

// The host's named styles (H8 the title, H4 bold names, F7 and F8 labels) and skins.
std::optional<FontDesc> HostFont(std::u16string_view name);
const Skin* HostSkin(std::u16string_view name);
