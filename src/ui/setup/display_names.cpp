#include "ui/setup/display_names.h"

#include "common/text.h"
#include "frame/protocol/process.h"

namespace parental::corvui {

const CConfigViewBase::AccountName& CConfigViewBase::AccountNameOf(const std::u16string& sidText) {
  auto found = accountNames_.find(sidText);
  if (found != accountNames_.end()) return found->second;
  AccountName name;
  Sid sid;
  if (!sidText.empty() && accounts_.TextToSid(sidText, &sid) && !accounts_.LookupName(sid, &name.user, &name.domain))
    name = {};
  return accountNames_.emplace(sidText, std::move(name)).first->second;
}

const std::u16string& CConfigViewBase::DisplayNameOf(const std::u16string& name) {
  auto found = symbolicNames_.find(name);
  if (found != symbolicNames_.end()) return found->second;
  std::u16string shown = name;
  char16_t text[kNameCapacity] = {};
  if (!name.empty() && name[0] == u'@' && ::LookupName(name, text))
    shown.assign(text, common::BoundedLength(text, kNameCapacity));
  return symbolicNames_.emplace(name, std::move(shown)).first->second;
}

void CConfigViewBase::ClearNameCaches() {
  accountNames_.clear();
  symbolicNames_.clear();
}

}  // namespace parental::corvui
