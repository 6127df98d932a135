#pragma once
// The host's settings password: the one place that holds it. Empty means the settings
// are not protected. Whoever shows the password's state (the host's settings service)
// follows it through the change callback.
#include <functional>
#include <string>
#include <utility>

namespace host {

class SettingsPassword {
 public:
  explicit SettingsPassword(std::wstring initial = {}) : value_(std::move(initial)) {}

  bool IsSet() const { return !value_.empty(); }
  bool Matches(const std::wstring& typed) const { return typed == value_; }
  void Set(std::wstring value) {
    value_ = std::move(value);
    if (onChange_) onChange_();
  }
  // Called after every Set; called once now.
  void OnChange(std::function<void()> onChange) {
    onChange_ = std::move(onChange);
    if (onChange_) onChange_();
  }

 private:
  std::wstring value_;
  std::function<void()> onChange_;
};

}  // namespace host
