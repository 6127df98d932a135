#pragma once
// A role's URL exceptions and the exported item list that stores them in its profile:
// items "Url", "State" and "Priority" with the exception id as their "AutomaticItemID".
#include <string>

#include "parental/role.h"
#include "items/export_list.h"

namespace parental::corvui {

// A new exception id: a random GUID in its 36-character text form; empty when the GUID
// source fails.
std::u16string NewExceptionId();

// Appends the list's items to the role in ascending "Priority", each URL normalised; an
// id the role already has is skipped.
void ReadExceptions(shared::CExportConfigExceptionList& list, core::CRole& role);

// Brings the list in line with the role: existing items get the URL, state and priority
// (1, 2, ...) of their exception, new exceptions become new items, and items of removed
// exceptions are marked deleted. False when memory ran out before every exception had
// its complete item: the list must not be written then.
bool WriteExceptions(const core::CRole& role, shared::CExportConfigExceptionList& list);

}  // namespace parental::corvui
