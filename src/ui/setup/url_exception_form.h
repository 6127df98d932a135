#pragma once
// CDialogViewRoleException: the URL exception form of the Exceptions page: a web address
// and whether it is always allowed or always blocked. "OK" needs both.
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "ui/setup/account_form.h"

namespace parental::corvui {

class CDialogViewRoleException : public CDialogViewBase {
 public:
  using StateTexts = std::map<std::uint32_t, std::u16string>;  // state value to its text

  explicit CDialogViewRoleException(const StateTexts& states);

  // Adds (edit false) or edits an exception; true when the host reported OK with a URL and
  // a state, and for an edit when one of them differs from what was handed in.
  bool Run(HWND owner, bool edit, const std::u16string& url, std::optional<std::uint32_t> state);
  const std::u16string& Url() const { return url_; }
  std::optional<std::uint32_t> State() const { return choice_; }

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnCommand(int id, int code, HWND from) override;
  void OnOK() override;

 private:
  void ApplyRule();

  const StateTexts& states_;
  std::u16string url_;
  std::optional<std::uint32_t> choice_;
  CComboBox stateBox_;
};

}  // namespace parental::corvui
