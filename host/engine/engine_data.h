#pragma once
// The data of the filtering-engine simulator: categories with their texts, template roles
// by age range, the group roles of the category grid, display names of symbolic names and
// the excluded relative identifier, the visits its log reports. Read from the host's data file.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace host {

struct CategoryRecord {
  std::uint16_t id;
  std::uint32_t nameId;
  std::uint32_t descriptionId;
};

struct RoleRecord {
  std::u16string key;
  std::uint16_t minAge = 0;
  std::uint16_t maxAge = 0;
  std::map<std::uint16_t, std::uint8_t> states;  // category id: 1 allowed, 0 blocked
};

// A web page that an account visited: the engine judges it against the stored
// configuration when it writes its log.
struct VisitRecord {
  std::string time;        // "hh:mm"
  std::uint32_t rid = 0;   // the account's relative identifier on the simulated computer
  std::u16string address;
  std::uint16_t category = 0;
};

struct EngineData {
  std::vector<CategoryRecord> categories;
  std::vector<RoleRecord> templates;  // variant 0
  std::vector<RoleRecord> groups;     // variant 1
  std::vector<std::pair<std::u16string, std::u16string>> names;
  std::map<std::uint32_t, std::u16string> texts;  // by string id
  std::uint32_t excludedRid = 0;
  std::vector<VisitRecord> visits;  // in the order they happened
};

// Parses the data file (UTF-8). On failure `error` says which line is wrong and why.
bool ParseEngineData(std::string_view text, EngineData& data, std::string& error);

}  // namespace host
