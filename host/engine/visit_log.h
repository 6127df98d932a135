#pragma once
// The engine's log: each visit of the engine data judged against the stored configuration
// (the account's role, its URL exceptions, its category states and those of its parents),
// and the log file "parentallog.dat" that the host's log window shows.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/engine_data.h"
#include "engine/stored_roles.h"

namespace host {

struct LogEntry {
  std::u16string time, account, address, category;
  bool blocked = false;
};

// Whether the exception's address covers the visited one: the same host (a leading
// "www." and the scheme ignored) or one below it, and a path that begins with the
// exception's path.
bool ExceptionCovers(const std::u16string& exception, const std::u16string& address);

// Whether the account's role blocks the visit. A visit of an account that no role governs,
// or that is switched off, or while filtering is off, is allowed; otherwise the first
// covering exception of the role and then of its parents decides, then the nearest
// category state; a category no role sets is allowed.
bool BlocksVisit(const StoredRoles& roles, const EngineData& engine, const std::u16string& sid,
                 const std::u16string& address, std::uint16_t category);

// The account of a relative identifier: its SID text and name; false when there is none.
using AccountLookup = std::function<bool(std::uint32_t rid, std::u16string& sid, std::u16string& name)>;

// Every visit of accounts that exist, judged, in order.
std::vector<LogEntry> JudgeVisits(const EngineData& engine, const StoredRoles& roles, bool filteringOn,
                                  const AccountLookup& account);

// The file's text (UTF-8, one entry a line, fields separated by tabs) and back; lines that
// are not entries are skipped.
std::string FormatLog(const std::vector<LogEntry>& entries);
std::vector<LogEntry> ParseLog(const std::string& text);

}  // namespace host
