// The number separators of a POSIX system's LC_NUMERIC locale.

#include <langinfo.h>

#include "platform/posix/locale_text.h"
#include "runtime/number_text.h"

namespace quillfold {

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
