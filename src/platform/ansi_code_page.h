#pragma once
// Conversion between UTF-16 and the system's ANSI code page, in which URLs are held.
// Two implementations: the Win32 one (the process's current ANSI code page) and
// Windows-1252, a fixed single-byte code page for native builds and tests.
#include <string>
#include <string_view>

namespace parental::platform {

class IAnsiCodePage {
 public:
  virtual ~IAnsiCodePage() = default;
  // Characters the code page lacks become its default character ("?").
  virtual std::string ToAnsi(std::u16string_view text) = 0;
  virtual std::u16string FromAnsi(std::string_view text) = 0;
};

class Windows1252CodePage : public IAnsiCodePage {
 public:
  std::string ToAnsi(std::u16string_view text) override;
  std::u16string FromAnsi(std::string_view text) override;
};

// The code page of this process; tests may put another one in its place.
IAnsiCodePage& DefaultAnsiCodePage();
void SetDefaultAnsiCodePage(IAnsiCodePage* codePage);  // null restores the platform's own

}  // namespace parental::platform
