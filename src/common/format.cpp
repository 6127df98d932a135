#include "common/format.h"

#include "common/text.h"

namespace parental::common {

std::u16string FormatText(std::u16string_view format, std::initializer_list<FormatArg> args) {
  std::u16string out;
  const FormatArg* next = args.begin();
  for (std::size_t i = 0; i < format.size(); ++i) {
    char16_t c = format[i];
    if (c != u'%' || i + 1 == format.size()) {
      out += c;
      continue;
    }
    std::size_t at = i + 1;
    int precision = 0;
    if (format[at] == u'.') {
      for (++at; at < format.size() && format[at] >= u'0' && format[at] <= u'9'; ++at) {
        precision = precision * 10 + (format[at] - u'0');
        if (precision > 64) precision = 64;
      }
    }
    if (at == format.size()) {
      out += format.substr(i);
      break;
    }
    char16_t kind = format[at];
    if (kind == u'%' && at == i + 1) {
      out += u'%';
    } else if (kind == u's' || kind == u'd' || kind == u'x') {
      const FormatArg* arg = next != args.end() ? next++ : nullptr;
      bool wantsText = kind == u's';
      if (arg && arg->isText == wantsText) {
        if (kind == u's') {
          out += arg->text;
        } else if (kind == u'x') {
          out += FormatHex(std::uint32_t(arg->number), precision ? precision : 1, false);
        } else {
          if (arg->number < 0) out += u'-';
          std::uint64_t magnitude = arg->number < 0 ? 0 - std::uint64_t(arg->number) : std::uint64_t(arg->number);
          std::u16string digits = FormatDecimal(magnitude);
          if (digits.size() < std::size_t(precision)) out.append(precision - digits.size(), u'0');
          out += digits;
        }
      }
    } else {
      out += format.substr(i, at - i + 1);
    }
    i = at;
  }
  return out;
}

}  // namespace parental::common
