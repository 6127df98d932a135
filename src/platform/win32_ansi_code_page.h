#pragma once
// The process's current ANSI code page (CP_ACP) behind the code-page interface.
#include "platform/ansi_code_page.h"

namespace parental::platform {

class Win32AnsiCodePage : public IAnsiCodePage {
 public:
  std::string ToAnsi(std::u16string_view text) override;
  std::u16string FromAnsi(std::string_view text) override;
};

}  // namespace parental::platform
