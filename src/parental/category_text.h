#pragma once
// The "Categories" text of a role profile: pieces "id:state" joined by "|", the id a
// signed 16-bit decimal, the state "1" (allowed) or "0" (blocked).
#include <string>

#include "parental/role.h"

namespace parental::corvui {

// Malformed pieces are skipped; a later piece for the same id wins.
core::CategoryStates ParseCategories(std::u16string_view text);
std::u16string FormatCategories(const core::CategoryStates& states);

}  // namespace parental::corvui
