#pragma once
// The language of the host's own windows (its dialogs, menus, texts, and the simulated
// computer's picker): chosen once from --language and carried by the thread's locale, so that
// the picker, which lives in a module of its own, follows it. Texts and dialog templates come
// from a module's resources in that language, else in English.
#include <windows.h>

#include <initializer_list>
#include <string>

namespace host {

// The language `code` names ("de" German; anything else English) becomes the host's; its id.
LANGID UseHostLanguage(const std::wstring& code);
// German when the thread's locale is German, English otherwise.
LANGID HostLanguage();

// String `id` of `module` in the host's language (else English); "" when neither has it.
std::wstring HostString(HMODULE module, UINT id);
// The same with "%1", "%2", ... replaced by `values`, in their order.
std::wstring HostString(HMODULE module, UINT id, std::initializer_list<std::wstring> values);

// Dialog `id` of `module` in the host's language (else English), run modally or created
// modeless as DialogBoxParamW and CreateDialogParamW do.
INT_PTR HostDialogBox(HMODULE module, int id, HWND owner, DLGPROC procedure, LPARAM parameter);
HWND HostCreateDialog(HMODULE module, int id, HWND owner, DLGPROC procedure, LPARAM parameter);
// Its template, null when neither language has it.
const DLGTEMPLATE* HostDialogTemplate(HMODULE module, int id);

}  // namespace host
