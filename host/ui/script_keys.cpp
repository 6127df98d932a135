#include "ui/script_keys.h"

#include <windows.h>

#include "common/text.h"
#include "ui/window_finder.h"

namespace host {
namespace {

void Add(std::vector<INPUT>& input, WORD modifier, WORD key) {
  auto event = [&](WORD vk, bool up) {
    INPUT one{};
    one.type = INPUT_KEYBOARD;
    one.ki.wVk = vk;
    one.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    input.push_back(one);
  };
  if (modifier) event(modifier, false);
  event(key, false);
  event(key, true);
  if (modifier) event(modifier, true);
}

bool KeyOf(const std::u16string& name, WORD& modifier, WORD& key) {
  static const struct { const char16_t* name; WORD key; } kNamed[] = {
      {u"Tab", VK_TAB},   {u"Enter", VK_RETURN}, {u"Esc", VK_ESCAPE}, {u"Space", VK_SPACE},
      {u"Up", VK_UP},     {u"Down", VK_DOWN},    {u"Left", VK_LEFT},  {u"Right", VK_RIGHT},
      {u"Home", VK_HOME}, {u"End", VK_END},      {u"Delete", VK_DELETE}};
  modifier = 0;
  std::u16string rest = name;
  if (rest.rfind(u"Shift+", 0) == 0) modifier = VK_SHIFT, rest = rest.substr(6);
  else if (rest.rfind(u"Alt+", 0) == 0) modifier = VK_MENU, rest = rest.substr(4);
  for (const auto& named : kNamed) {
    if (rest == named.name) return key = named.key, true;
  }
  const bool accessKey = modifier == VK_MENU && rest.size() == 1 &&
                         ((rest[0] >= u'A' && rest[0] <= u'Z') || (rest[0] >= u'0' && rest[0] <= u'9'));
  return accessKey && (key = WORD(rest[0]), true);
}

// The window in front gets the input, as the one a user looks at.
bool Send(std::vector<INPUT>& input, std::string& error) {
  HWND front = FrontWindow();
  if (!front) {
    error = "no window in front";
    return false;
  }
  SetForegroundWindow(front);
  return SendInput(UINT(input.size()), input.data(), sizeof(INPUT)) == input.size() ||
         (error = "the input was refused", false);
}

}  // namespace

bool PressKeys(const std::vector<std::u16string>& names, std::string& error) {
  std::vector<INPUT> input;
  for (const std::u16string& name : names) {
    WORD modifier = 0, key = 0;
    if (!KeyOf(name, modifier, key)) {
      error = "unknown key " + parental::common::ToUtf8(name);
      return false;
    }
    Add(input, modifier, key);
  }
  return Send(input, error);
}

bool WriteKeys(const std::u16string& text, std::string& error) {
  std::vector<INPUT> input;
  for (char16_t c : text) {
    const SHORT scan = VkKeyScanW(wchar_t(c));
    if (scan == -1) {
      error = "no key types " + parental::common::ToUtf8(std::u16string(1, c));
      return false;
    }
    Add(input, (scan >> 8) & 1 ? VK_SHIFT : 0, LOBYTE(scan));
  }
  return Send(input, error);
}

}  // namespace host
