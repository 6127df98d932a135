#pragma once
// What the account configuration dialog edits before "OK": the grid's states and the
// exceptions list of one role, taken from the role as it was when the dialog opened (the
// "&Undo" source) and written to the role manager only on "OK".
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "parental/role_manager.h"
#include "platform/ansi_code_page.h"

namespace parental::corvui {

// One entry of the exceptions list: the URL as shown, its state and the id of the
// exception it came from (empty for a new entry).
struct ExceptionEntry {
  std::u16string url;
  bool allowed;
  std::u16string id;
  bool operator==(const ExceptionEntry& o) const { return url == o.url && allowed == o.allowed && id == o.id; }
};

class AccountConfigEdit {
 public:
  AccountConfigEdit(CConfigManagerRole& roles, std::u16string roleKey, platform::IAnsiCodePage& codePage);

  // Keeps a copy of the role's settings as they are now; false when the role is missing.
  bool TakeOpeningStates();
  // The opening states of the role as the dialog shows them: one check state per grid id
  // ("allowed" only for state 1, inherited states included) and the list entries (states
  // other than 0 and 1 left out). False when there is no copy.
  bool OpeningStates(const std::vector<std::uint16_t>& gridIds, std::vector<bool>& checks,
                     std::vector<ExceptionEntry>& entries) const;

  // "OK": every grid category set allowed or blocked, and the role's exceptions replaced by
  // the entries in list order (the order is their priority), each with a new id. True when
  // written, or when there is no copy (no role was shown: nothing to write); false, with
  // the role as it was, when the role is gone or no new id could be made.
  bool Write(const std::vector<std::uint16_t>& gridIds, const std::vector<bool>& checks,
             const std::vector<ExceptionEntry>& entries) const;

 private:
  CConfigManagerRole& roles_;
  std::u16string roleKey_;
  platform::IAnsiCodePage& codePage_;
  std::map<std::u16string, core::RolePtr> opening_;
};

// The exceptions list of the dialog's second tab: entries added, moved, toggled, deleted.
class ExceptionListEdit {
 public:
  explicit ExceptionListEdit(platform::IAnsiCodePage& codePage) : codePage_(codePage) {}

  std::vector<ExceptionEntry>& Entries() { return entries_; }
  const std::vector<ExceptionEntry>& Entries() const { return entries_; }

  // Appends the URL normalised, as a new entry; nothing for an empty text or "http://".
  bool Add(std::u16string_view text, bool allowed);
  // Moves entry i one up, one down, to the top or to the bottom; the entry's new index, or
  // -1 when nothing moved (no such entry, or it is there already).
  int MoveUp(int i) { return Move(i, i - 1); }
  int MoveDown(int i) { return Move(i, i + 1); }
  int MoveToTop(int i) { return Move(i, 0); }
  int MoveToBottom(int i) { return Move(i, static_cast<int>(entries_.size()) - 1); }
  bool Toggle(int i);
  bool Remove(int i);

 private:
  bool Valid(int i) const { return i >= 0 && i < static_cast<int>(entries_.size()); }
  int Move(int from, int to);

  platform::IAnsiCodePage& codePage_;
  std::vector<ExceptionEntry> entries_;
};

}  // namespace parental::corvui
