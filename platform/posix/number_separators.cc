// The number separators of a POSIX system's LC_NUMERIC locale.

#include <iconv.h>
#include <langinfo.h>

#include <string>
#include <string_view>

#include "runtime/number_text.h"

namespace quillfold {
namespace {

// `text`, in the character set `codeset`, as UTF-8: the numbers are read as
// UTF-8 (the window's box, the command line of a UTF-8 terminal), while a
// legacy locale gives its separators in its own set, as fr_FR's ISO-8859-1
// gives the byte 0xA0 for its no-break space. Empty when the text does not
// convert, so that a number written with that separator is refused rather
// than read wrong.
std::string InUtf8(std::string_view text, const char* codeset) {
  if (text.empty() || std::string_view(codeset) == "UTF-8") return std::string(text);
  const iconv_t converter = iconv_open("UTF-8", codeset);
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::string();
  std::string in_text(text);
  char* in = in_text.data();
  std::size_t in_left = in_text.size();
  // Each byte gives at most one character, at most four bytes of UTF-8.
  std::string utf8(4 * text.size(), '\0');
  char* out = utf8.data();
  std::size_t out_left = utf8.size();
  const bool converted = iconv(converter, &in, &in_left, &out, &out_left) != std::size_t(-1);
  iconv_close(converter);
  if (!converted) return std::string();
  utf8.resize(utf8.size() - out_left);
  return utf8;
}

}  // namespace

NumberSeparators NumberSeparators::FromCurrentLocale() {
  // nl_langinfo rather than localeconv: glibc documents localeconv as unsafe
  // while other threads call it, nl_langinfo only as reading the locale.
  // The character set is LC_NUMERIC's own, which need not be LC_CTYPE's
  // (LC_NUMERIC=fr_FR under LANG=C.UTF-8).
  const char* codeset = nl_langinfo(_NL_NUMERIC_CODESET);
  NumberSeparators separators;
  separators.decimal = InUtf8(nl_langinfo(RADIXCHAR), codeset);
  separators.thousands = InUtf8(nl_langinfo(THOUSEP), codeset);
  return separators;
}

}  // namespace quillfold
