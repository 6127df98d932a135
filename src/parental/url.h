#pragma once
// URLs of exceptions, held as narrow text in the ANSI code page: taken apart, and
// normalised to the host (without "www."), an unusual port and the path.
#include <cstdint>
#include <string>
#include <string_view>

namespace parental::corvui {

struct ParsedUrl {
  std::string scheme;    // lower case; "http" when the text names none
  std::string userInfo;
  std::string host;      // lower case, percent-decoded, without trailing dots
  std::uint32_t port;    // as written, else the scheme's (80, 443, 21, or 0)
  std::string path;      // percent-decoded; "/" when the text ends with the host
  std::string rest;      // query and fragment, as written
};

// Every text parses; nothing is rejected.
ParsedUrl ParseUrl(std::string_view text);
// "%" and two hexadecimal characters become the byte they name, except for the bytes a
// stored URL cannot hold: zero (it would cut the text) and the control characters that
// XML cannot carry (below 0x20 but tab, line feed and carriage return) keep their escape.
// Anything else is kept.
std::string PercentDecode(std::string_view text);
// The URL with every byte that PercentDecode leaves escaped written as its "%XX" escape,
// so that a URL holding such a byte is stored as the same address.
std::string EscapeControls(std::string_view url);
// The text to store for a held URL so that loading, which normalises, reads back the same
// address: EscapeControls of it, unless loading would then read it otherwise ("?" or "%" in
// the path, a host beginning with "www."); then a form with escapes (and a second "www.")
// that loads back as the URL itself, where there is one.
std::string StoredUrl(std::string_view url);
// Host without a leading "www." (when more of a domain follows), ":port" unless 80 or 443,
// then the path: "http://WWW.Example.com/a%20b?x=1" gives "example.com/a b".
std::string NormaliseUrl(std::string_view text);

}  // namespace parental::corvui
