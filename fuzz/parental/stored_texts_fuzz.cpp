// The texts roles keep in their profiles, as UTF-16 from the bytes: "Categories" read,
// written and read again to the same states; "Accounts" read, written, read and written to the same text; SID texts.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <string>

#include "parental/account_manager.h"
#include "parental/category_text.h"
#include "parental/substitute_accounts.h"

using namespace parental::corvui;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::u16string text(size / 2, u'\0');
  std::memcpy(text.data(), data, text.size() * 2);
  text.resize(std::min(text.size(), text.find(u'\0')));  // stored texts end at their first zero

  parental::core::CategoryStates states = ParseCategories(text);
  if (ParseCategories(FormatCategories(states)) != states) std::abort();

  SubstituteAccounts service;
  CConfigManagerAccount accounts(service);
  accounts.LoadAccounts(u"role", text);
  RoleProfileRecord record{}, again{};
  if (accounts.WriteAccounts(u"role", record)) {
    CConfigManagerAccount reread(service);
    reread.LoadAccounts(u"role", record.accounts);
    if (!reread.WriteAccounts(u"role", again) || std::u16string(record.accounts) != again.accounts) std::abort();
  }

  Sid sid, back;
  if (ParseSidText(text, &sid) && (!ParseSidText(FormatSidText(sid), &back) || back != sid)) std::abort();
  return 0;
}
