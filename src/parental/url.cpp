#include "parental/url.h"

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

}  // namespace

std::string PercentDecode(std::string_view text) {
  if (text.size() < 3) return std::string(text);
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i + 2 < text.size()) {
    const int byte = text[i] == '%' ? EscapedByte(text[i + 1], text[i + 2]) : -1;
    if (byte > 0) {
      out.push_back(char(byte));
      i += 3;
    } else {
      out.push_back(text[i++]);
    }
  }
  out.append(text.substr(i));
  return out;
}

ParsedUrl ParseUrl(std::string_view text) {
  ParsedUrl url{"http", {}, {}, 80, {}, {}};
  std::size_t authority = 0;
  const std::size_t scheme = text.find("://");
  if (scheme != npos && scheme < text.find('/') && scheme < text.find('\\')) {
    url.scheme = Lower(text.substr(0, scheme));
    url.port = SchemePort(url.scheme);
    authority = scheme + 3;
  }
  std::size_t authorityEnd = text.find_first_of("/\\", authority);
  if (authorityEnd == npos) authorityEnd = text.size();

  std::size_t hostStart = authority;
  const std::size_t at = text.substr(authority, authorityEnd - authority).find('@');
  if (at != npos) {
    url.userInfo = std::string(text.substr(authority, at));
    hostStart = authority + at + 1;
  }
  std::size_t hostEnd = authorityEnd;
  const std::size_t colon = text.substr(hostStart, authorityEnd - hostStart).find(':');
  if (colon != npos) {
    hostEnd = hostStart + colon;
    std::size_t used = 0;
    const std::uint32_t port = ReadUnsigned(text.substr(hostEnd + 1, authorityEnd - hostEnd - 1), 10, &used);
    if (used) url.port = port;
  }
  url.host = PercentDecode(Lower(text.substr(hostStart, hostEnd - hostStart)));

  if (authorityEnd == text.size()) {
    url.path = "/";
  } else {
    std::size_t path = authorityEnd;
    while (path + 1 < text.size() && IsSeparator(text[path + 1])) ++path;
    std::size_t restStart = text.find('?', path);
    if (restStart == npos) restStart = text.find('#', path);
    if (restStart == npos) restStart = text.size();
    url.path = PercentDecode(text.substr(path, restStart - path));
    url.rest = std::string(text.substr(restStart));
  }
  while (!url.host.empty() && url.host.back() == '.') url.host.pop_back();
  return url;
}

std::string NormaliseUrl(std::string_view text) {
  const ParsedUrl url = ParseUrl(text);
  std::string out = url.host;
  if (out.compare(0, 4, "www.") == 0 && out.find('.', 5) != npos) out.erase(0, 4);
  if (url.port != 80 && url.port != 443 && url.port <= 65535) out += ":" + std::to_string(url.port);
  return out + url.path;
}

}  // namespace parental::corvui
