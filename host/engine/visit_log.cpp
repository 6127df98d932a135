#include "engine/visit_log.h"

#include <set>

#include "common/text.h"

namespace host {
namespace {

constexpr char kHeader[] = "# parental-control log: time, account, web address, category, verdict\n";
constexpr std::size_t kFields = 5;

char16_t Lower(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; }

// The host (lower case, without a leading "www.", a port or a trailing ".") and the path
// ("/" at least) of an address with or without a scheme and user information.
void SplitAddress(const std::u16string& address, std::u16string& host, std::u16string& path) {
  std::size_t start = address.find(u"://");
  start = start == std::u16string::npos ? 0 : start + 3;
  std::size_t end = address.find_first_of(u"/\\?#", start);
  if (end == std::u16string::npos) end = address.size();
  host = address.substr(start, end - start);
  const std::size_t at = host.rfind(u'@');
  if (at != std::u16string::npos) host.erase(0, at + 1);
  const std::size_t colon = host.find(u':');
  if (colon != std::u16string::npos) host.resize(colon);
  for (char16_t& c : host) c = Lower(c);
  if (host.compare(0, 4, u"www.") == 0) host.erase(0, 4);
  while (!host.empty() && host.back() == u'.') host.pop_back();
  path = end < address.size() && address[end] != u'/' ? u"/" + address.substr(end) : address.substr(end);
  if (path.empty()) path = u"/";
}

const StoredRole* RoleOf(const StoredRoles& roles, const std::u16string& sid, bool& enabled) {
  for (const auto& [key, role] : roles) {
    for (const StoredAccount& account : role.accounts) {
      if (account.sid != sid) continue;
      enabled = account.enabled;
      return &role;
    }
  }
  return nullptr;
}

const RoleRecord* TemplateRole(const EngineData& engine, const std::u16string& key) {
  for (const RoleRecord& role : engine.templates) {
    if (role.key == key) return &role;
  }
  return nullptr;
}

// One step of a role's chain: a stored role, or else an engine template of that key.
struct ChainStep {
  const StoredRole* stored = nullptr;
  const RoleRecord* engine = nullptr;
};

std::vector<ChainStep> Chain(const StoredRoles& roles, const EngineData& engine, const StoredRole& first) {
  std::vector<ChainStep> chain{{&first, nullptr}};
  std::set<std::u16string> seen;
  for (std::u16string parent = first.parent; !parent.empty() && seen.insert(parent).second;) {
    auto stored = roles.find(parent);
    if (stored != roles.end()) {
      chain.push_back({&stored->second, nullptr});
      parent = stored->second.parent;
    } else {
      if (const RoleRecord* role = TemplateRole(engine, parent)) chain.push_back({nullptr, role});
      break;
    }
  }
  return chain;
}

std::u16string Field(const std::u16string& text) {
  std::u16string field = text;
  for (char16_t& c : field) {
    if (c == u'\t' || c == u'\n' || c == u'\r') c = u' ';
  }
  return field;
}

}  // namespace

bool ExceptionCovers(const std::u16string& exception, const std::u16string& address) {
  std::u16string host, path, visitedHost, visitedPath;
  SplitAddress(exception, host, path);
  SplitAddress(address, visitedHost, visitedPath);
  if (host.empty()) return false;
  const bool sameHost = visitedHost == host || (visitedHost.size() > host.size() &&
                                                visitedHost.compare(visitedHost.size() - host.size(), host.size(), host) == 0 &&
                                                visitedHost[visitedHost.size() - host.size() - 1] == u'.');
  return sameHost && visitedPath.compare(0, path.size(), path) == 0;
}

bool BlocksVisit(const StoredRoles& roles, const EngineData& engine, const std::u16string& sid,
                 const std::u16string& address, std::uint16_t category) {
  bool enabled = false;
  const StoredRole* role = RoleOf(roles, sid, enabled);
  if (!role || !enabled) return false;
  const std::vector<ChainStep> chain = Chain(roles, engine, *role);
  for (const ChainStep& step : chain) {
    if (!step.stored) continue;
    for (const StoredException& exception : step.stored->exceptions) {
      if (ExceptionCovers(exception.url, address)) return !exception.allowed;
    }
  }
  for (const ChainStep& step : chain) {
    const auto& states = step.stored ? step.stored->categories : step.engine->states;
    auto state = states.find(category);
    if (state != states.end()) return state->second == 0;
  }
  return false;
}

std::vector<LogEntry> JudgeVisits(const EngineData& engine, const StoredRoles& roles, bool filteringOn,
                                  const AccountLookup& account) {
  std::vector<LogEntry> entries;
  for (const VisitRecord& visit : engine.visits) {
    std::u16string sid, name;
    if (!account(visit.rid, sid, name)) continue;
    std::u16string category;
    for (const CategoryRecord& record : engine.categories) {
      auto text = engine.texts.find(record.nameId);
      if (record.id == visit.category && text != engine.texts.end()) category = text->second;
    }
    entries.push_back({parental::common::FromUtf8(visit.time), name, visit.address, category,
                       filteringOn && BlocksVisit(roles, engine, sid, visit.address, visit.category)});
  }
  return entries;
}

std::string FormatLog(const std::vector<LogEntry>& entries) {
  std::string text = kHeader;
  for (const LogEntry& entry : entries) {
    for (const std::u16string* field : {&entry.time, &entry.account, &entry.address, &entry.category})
      text += parental::common::ToUtf8(Field(*field)) + "\t";
    text += entry.blocked ? "Blocked\n" : "Allowed\n";
  }
  return text;
}

std::vector<LogEntry> ParseLog(const std::string& text) {
  std::vector<LogEntry> entries;
  const std::u16string all = parental::common::FromUtf8(text);
  for (std::size_t start = 0; start < all.size();) {
    std::size_t end = all.find(u'\n', start);
    if (end == std::u16string::npos) end = all.size();
    std::u16string line = all.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == u'\r') line.pop_back();
    std::vector<std::u16string> fields;
    for (std::size_t from = 0;;) {
      const std::size_t tab = line.find(u'\t', from);
      fields.push_back(line.substr(from, tab == std::u16string::npos ? tab : tab - from));
      if (tab == std::u16string::npos) break;
      from = tab + 1;
    }
    if (fields.size() != kFields || (fields[4] != u"Blocked" && fields[4] != u"Allowed")) continue;
    entries.push_back({fields[0], fields[1], fields[2], fields[3], fields[4] == u"Blocked"});
  }
  return entries;
}

}  // namespace host
