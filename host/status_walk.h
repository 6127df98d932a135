#pragma once
// The host's reading of a status page without a window: the page's records, each panel's
// info, and every item's layout and mark-up text, as lines for the report.
#include <string>
#include <vector>

class CPageTemplate;

namespace host {

std::vector<std::string> WalkStatusPage(CPageTemplate& page);

}  // namespace host
