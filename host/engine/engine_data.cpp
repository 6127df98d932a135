#include "engine/engine_data.h"

#include <set>

#include "common/text.h"
#include "data_file.h"

namespace host {
namespace {

using parental::common::FromUtf8;

class Parser {
 public:
  explicit Parser(EngineData& data) : data_(data) {}

  // Returns an empty text on success, else what is wrong with the line.
  std::string Line(std::string_view line) {
    std::vector<std::string_view> f = SplitFields(line, '|');
    if (f[0] == "category" && f.size() == 6) return Category(f);
    if (f[0] == "template" && f.size() == 6) return Role(f[1], f[2], f[3], f[4], f[5], data_.templates);
    if (f[0] == "group" && f.size() == 3) return Group(f);
    if (f[0] == "name" && f.size() == 3 && !f[1].empty() && !f[2].empty()) {
      data_.names.emplace_back(FromUtf8(f[1]), FromUtf8(f[2]));
      return {};
    }
    if (f[0] == "excluded-rid" && f.size() == 2) {
      return ParseNumber(f[1], 0xFFFFFFFF, data_.excludedRid) ? "" : "bad relative identifier";
    }
    if (f[0] == "visit" && f.size() == 5) return Visit(f);
    return "unknown record or wrong number of fields";
  }

 private:
  std::string Category(const std::vector<std::string_view>& f) {
    std::uint32_t id = 0, nameId = 0, descriptionId = 0;
    if (!ParseNumber(f[1], 0xFFFF, id) || id == 0) return "bad category id";
    if (!ParseNumber(f[2], 0xFFFFFFFF, nameId) || !ParseNumber(f[3], 0xFFFFFFFF, descriptionId))
      return "bad string id";
    if (f[4].empty() || f[5].empty()) return "category without name or description";
    if (!categories_.insert(std::uint16_t(id)).second) return "category id used twice";
    for (std::uint32_t text : {nameId, descriptionId}) {
      if (data_.texts.count(text)) return "string id used twice";
    }
    data_.texts[nameId] = FromUtf8(f[4]);
    data_.texts[descriptionId] = FromUtf8(f[5]);
    data_.categories.push_back({std::uint16_t(id), nameId, descriptionId});
    return {};
  }

  std::string Role(std::string_view key, std::string_view minAge, std::string_view maxAge,
                   std::string_view allowed, std::string_view blocked, std::vector<RoleRecord>& roles) {
    RoleRecord role;
    role.key = FromUtf8(key);
    if (role.key.size() < 2 || role.key[0] != u'@' || role.key.size() > 80)
      return "a role key is \"@\" and a name of at most 79 characters";
    std::uint32_t low = 0, high = 0;
    if (!ParseNumber(minAge, 0xFFFF, low) || !ParseNumber(maxAge, 0xFFFF, high)) return "bad age";
    role.minAge = std::uint16_t(low);
    role.maxAge = std::uint16_t(high);
    for (auto [list, state] : {std::pair{allowed, 1}, std::pair{blocked, 0}}) {
      if (list.empty()) continue;
      for (std::string_view item : SplitFields(list, ',')) {
        std::uint32_t id = 0;
        if (!ParseNumber(item, 0xFFFF, id) || !categories_.count(std::uint16_t(id)))
          return "unknown category in a role";
        if (!role.states.emplace(std::uint16_t(id), std::uint8_t(state)).second)
          return "category listed twice in a role";
      }
    }
    roles.push_back(std::move(role));
    return {};
  }

  std::string Group(const std::vector<std::string_view>& f) {
    std::string error = Role(f[1], "0", "0", f[2], "", data_.groups);
    if (!error.empty()) return error;
    for (const auto& entry : data_.groups.back().states) {
      if (!grouped_.insert(entry.first).second) return "category allowed by two group roles";
    }
    return {};
  }

  std::string Visit(const std::vector<std::string_view>& f) {
    VisitRecord visit;
    const std::string_view time = f[1];
    std::uint32_t hours = 0, minutes = 0;
    if (time.size() != 5 || time[2] != ':' || !ParseNumber(time.substr(0, 2), 23, hours) ||
        !ParseNumber(time.substr(3), 59, minutes))
      return "a visit's time is hh:mm";
    visit.time = std::string(time);
    if (!ParseNumber(f[2], 0xFFFFFFFF, visit.rid)) return "bad relative identifier";
    if (f[3].empty()) return "a visit without an address";
    visit.address = FromUtf8(f[3]);
    std::uint32_t category = 0;
    if (!ParseNumber(f[4], 0xFFFF, category) || !categories_.count(std::uint16_t(category)))
      return "unknown category in a visit";
    visit.category = std::uint16_t(category);
    data_.visits.push_back(std::move(visit));
    return {};
  }

  EngineData& data_;
  std::set<std::uint16_t> categories_;
  std::set<std::uint16_t> grouped_;
};

}  // namespace

bool ParseEngineData(std::string_view text, EngineData& data, std::string& error) {
  data = EngineData{};
  Parser parser(data);
  return ReadRecordLines(text, [&](std::string_view line) { return parser.Line(line); }, error);
}

}  // namespace host
