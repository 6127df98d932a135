#include "parental/url.h"

#include <algorithm>

#include "parental/stored_text.h"

namespace parental::corvui {
namespace {

constexpr std::size_t npos = std::string_view::npos;

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return out;
}

std::uint32_t SchemePort(const std::string& scheme) {
  if (scheme == "http") return 80;
  if (scheme == "https") return 443;
  if (scheme == "ftp") return 21;
  return 0;
}

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The value of two characters that strtol with base 16 reads completely: two digits, or
// one digit after white space or a sign; -1 for anything else.
int EscapedByte(char first, char second) {
  const int low = HexDigit(second);
  if (low < 0) return -1;
  const int high = HexDigit(first);
  if (high >= 0) return high * 16 + low;
  if (first == '-') return (256 - low) & 0xFF;
  if (first == '+' || first == ' ' || (first >= '\t' && first <= '\r')) return low;
  return -1;
}

// Bytes for which a URL keeps its "%" escape: zero, which would cut the text wherever it
// is stored, and the other control characters that an XML document cannot carry (all
// below 0x20 but tab, line feed and carriage return).
bool KeepsEscape(int byte) { return byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r'; }

// Where the parts of a URL stand in its text; host and path still raw (not lowered,
// not decoded), so that callers build only the strings they need.
struct UrlParts {
  bool hasScheme = false;   // one written, even an empty one
  std::string_view scheme;
  std::string_view userInfo;
  std::string_view host;
  std::uint32_t port = 80;
  std::string_view path;    // empty: the text ends with the host
  std::string_view rest;
};

UrlParts SplitUrl(std::string_view text) {
  UrlParts parts;
  std::size_t authority = 0;
  const std::size_t scheme = text.find("://");
  if (scheme != npos && scheme < text.find('/') && scheme < text.find('\\')) {
    parts.hasScheme = true;
    parts.scheme = text.substr(0, scheme);
    parts.port = SchemePort(Lower(parts.scheme));
    authority = scheme + 3;
  }
  std::size_t authorityEnd = text.find_first_of("/\\", authority);
  if (authorityEnd == npos) authorityEnd = text.size();

  std::size_t hostStart = authority;
  const std::size_t at = text.substr(authority, authorityEnd - authority).find('@');
  if (at != npos) {
    parts.userInfo = text.substr(authority, at);
    hostStart = authority + at + 1;
  }
  std::size_t hostEnd = authorityEnd;
  const std::size_t colon = text.substr(hostStart, authorityEnd - hostStart).find(':');
  if (colon != npos) {
    hostEnd = hostStart + colon;
    // Read as stream extraction reads it: a number beyond 32 bits is not read at all.
    std::size_t used = 0;
    bool tooLarge = false;
    const std::uint32_t port =
        ReadUnsigned(text.substr(hostEnd + 1, authorityEnd - hostEnd - 1), 10, &used, &tooLarge);
    if (used && !tooLarge) parts.port = port;
  }
  parts.host = text.substr(hostStart, hostEnd - hostStart);

  if (authorityEnd < text.size()) {
    std::size_t path = authorityEnd;
    while (path + 1 < text.size() && IsSeparator(text[path + 1])) ++path;
    std::size_t restStart = text.find('?', path);
    if (restStart == npos) restStart = text.find('#', path);
    if (restStart == npos) restStart = text.size();
    parts.path = text.substr(path, restStart - path);
    parts.rest = text.substr(restStart);
  }
  return parts;
}

// Appends text with its escapes decoded; with `lower`, letters written as such (not as
// escapes) are lowered first.
void AppendDecoded(std::string& out, std::string_view text, bool lower) {
  auto raw = [lower](char c) { return lower && c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
  std::size_t i = 0;
  while (i + 2 < text.size()) {
    const int byte = text[i] == '%' ? EscapedByte(raw(text[i + 1]), raw(text[i + 2])) : -1;
    if (byte >= 0 && !KeepsEscape(byte)) {
      out.push_back(char(byte));
      i += 3;
    } else {
      out.push_back(raw(text[i++]));
    }
  }
  for (; i < text.size(); ++i) out.push_back(raw(text[i]));
}

// The decoded host without trailing dots, appended to out.
void AppendHost(std::string& out, std::string_view host) {
  const std::size_t start = out.size();
  AppendDecoded(out, host, true);
  while (out.size() > start && out.back() == '.') out.pop_back();
}

}  // namespace

std::string PercentDecode(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendDecoded(out, text, false);
  return out;
}

ParsedUrl ParseUrl(std::string_view text) {
  const UrlParts parts = SplitUrl(text);
  ParsedUrl url{parts.hasScheme ? Lower(parts.scheme) : "http", std::string(parts.userInfo), {},
                parts.port, {}, std::string(parts.rest)};
  AppendHost(url.host, parts.host);
  url.path = parts.path.empty() ? "/" : PercentDecode(parts.path);
  return url;
}

std::string EscapeControls(std::string_view url) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(url.size());
  // Runs without such bytes, which are all of most URLs, are copied whole.
  for (std::size_t i = 0; i < url.size(); ++i) {
    const std::size_t run = i;
    while (i < url.size() && !KeepsEscape(static_cast<unsigned char>(url[i]))) ++i;
    out.append(url, run, i - run);
    if (i == url.size()) break;
    const auto byte = static_cast<unsigned char>(url[i]);
    out += '%';
    out += kHex[byte >> 4];
    out += kHex[byte & 0xF];
  }
  return out;
}

namespace {

// Whether loading, which normalises, might read the URL back otherwise: it holds what
// the normalisation decodes, splits at or lowers, or a host or path it would shorten.
bool MayChangeOnLoading(std::string_view url) {
  if (url.compare(0, 4, "www.") == 0) return true;
  const std::size_t path = url.find('/');
  if (path != npos && path + 1 < url.size() && IsSeparator(url[path + 1])) return true;
  for (std::size_t i = 0; i < url.size(); ++i) {
    const char c = url[i];
    if (c == '%' || c == '?' || c == '#' || c == '@' || c == '\\' || (i < path && c >= 'A' && c <= 'Z')) return true;
  }
  return false;
}

// A held URL (host, port, path) with escapes for everything that loading would read
// otherwise, and a second "www." where loading would take one away.
std::string EscapeForLoading(std::string_view url) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  auto escape = [&](unsigned char byte) {
    out += '%';
    out += kHex[byte >> 4];
    out += kHex[byte & 0xF];
  };
  const std::size_t path = std::min(url.find('/'), url.size());
  const std::size_t port = url.rfind(':', path);
  const std::size_t host = port != npos && url.find_first_not_of("0123456789", port + 1) >= path ? port : path;
  if (url.compare(0, 4, "www.") == 0 && url.find('.', 5) < host) out = "www.";
  bool leadingRun = false;  // separators right after the path's first one
  for (std::size_t i = 0; i < url.size(); ++i) {
    const auto byte = static_cast<unsigned char>(url[i]);
    leadingRun = i > path && (i == path + 1 || leadingRun) && IsSeparator(char(byte));
    const bool special = i < host ? byte == '@' || byte == '\\' || (byte >= 'A' && byte <= 'Z')
                                  : i >= path && (byte == '?' || byte == '#' || leadingRun);
    if (special || byte == '%' || KeepsEscape(byte)) {
      escape(byte);
    } else {
      out += char(byte);
    }
  }
  return out;
}

}  // namespace

std::string StoredUrl(std::string_view url) {
  std::string stored = EscapeControls(url);
  if (!MayChangeOnLoading(url) || NormaliseUrl(stored) == url) return stored;
  std::string escaped = EscapeForLoading(url);
  return NormaliseUrl(escaped) == url ? escaped : stored;
}

std::string NormaliseUrl(std::string_view text) {
  const UrlParts parts = SplitUrl(text);
  std::string out;
  out.reserve(text.size() + 6);
  AppendHost(out, parts.host);
  if (out.compare(0, 4, "www.") == 0 && out.find('.', 5) != npos) out.erase(0, 4);
  if (parts.port != 80 && parts.port != 443 && parts.port <= 65535) out += ":" + std::to_string(parts.port);
  if (parts.path.empty()) {
    out += '/';
  } else {
    AppendDecoded(out, parts.path, false);
  }
  return out;
}

}  // namespace parental::corvui
