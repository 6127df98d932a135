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
// "%" and two hexadecimal characters become the byte they name ("%00" stays, since a zero
// would cut the text wherever it is stored); anything else is kept.
std::string PercentDecode(std::string_view text);
// Host without a leading "www." (when more of a domain follows), ":port" unless 80 or 443,
// then the path: "http://WWW.Example.com/a%20b?x=1" gives "example.com/a b".
std::string NormaliseUrl(std::string_view text);

}  // namespace parental::corvui
