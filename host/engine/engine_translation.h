#pragma once
// A language's texts for the filtering-engine simulator (engine-data.<language>.txt): the
// names and descriptions of categories and the display names of symbolic names, laid over
// data already read from the main data file.
#include <string>
#include <string_view>

#include "engine/engine_data.h"

namespace host {

// Replaces the texts the file names; false with "line N: problem" in `error` when a record
// is malformed or names a category or symbolic name the data does not hold (data may then
// hold some of the new texts).
bool ApplyEngineTranslation(std::string_view text, EngineData& data, std::string& error);

}  // namespace host
