#pragma once
// The record of a configuration submission (request 0x10002): a 16-byte header
// {16, 3, 16, text length} followed by the zero-terminated XML text.
#include <cstddef>
#include <string>

#include "frame/protocol/records.h"

namespace host {

// Finds the XML text of a submission; false, with the reason in error, when the record
// does not hold one.
bool ReadSubmission(const PlugCallRecord& record, const char** text, std::size_t* length,
                    std::string& error);

}  // namespace host
