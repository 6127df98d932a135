#include "platform/win32_ansi_code_page.h"

#include <windows.h>

#include <climits>

#include "common/text.h"

namespace parental::platform {

std::string Win32AnsiCodePage::ToAnsi(std::u16string_view text) {
  if (text.empty() || text.size() > INT_MAX) return {};
  const int length = int(text.size());
  const wchar_t* wide = common::AsWide(text.data());
  int size = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
  std::string out(size > 0 ? std::size_t(size) : 0, '\0');
  if (size > 0) WideCharToMultiByte(CP_ACP, 0, wide, length, out.data(), size, nullptr, nullptr);
  return out;
}

std::u16string Win32AnsiCodePage::FromAnsi(std::string_view text) {
  if (text.empty() || text.size() > INT_MAX) return {};
  const int length = int(text.size());
  int size = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
  std::u16string out(size > 0 ? std::size_t(size) : 0, u'\0');
  if (size > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), length, common::AsWide(out.data()), size);
  return out;
}

}  // namespace parental::platform
