#pragma once
// Requests that go to the host through the main template ("main" requests).
#include <cstdint>
#include <string>

// Shows a message box through the host; the button the user chose, or -1 (null text: -1
// without asking). The caption is cut to 255 characters and the text to 2048.
std::int64_t HostMessageBox(std::uint64_t owner, const char16_t* caption, const char16_t* text,
                            std::uint32_t style, std::uint32_t icon, std::uint32_t defaultButton,
                            bool flag);

// Shows a dialog form (an IDialogView) modally through the host, for the owner window; the
// host's result field (1 confirms), -1 on failure.
std::int64_t ShowDialogView(std::uint64_t view, std::uint64_t owner);

// Asks whether the user may change the settings now (as when the settings password is
// given); failure counts as a refusal.
bool ConfirmHostAccess();

// Asks the host to show help.
void RequestHostHelp(std::uint64_t data, std::uint32_t command);

// Fetches the host's text for a string id into text. capacity (characters) is where the
// next request starts; it grows when the host reports that the buffer was too small.
bool FetchHostText(std::uint32_t stringId, std::u16string& text, std::uint32_t& capacity);
