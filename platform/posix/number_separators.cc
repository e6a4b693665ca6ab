// The number separators of a POSIX system's LC_NUMERIC locale.

#include <langinfo.h>

#include "runtime/number_text.h"

namespace quillfold {

NumberSeparators NumberSeparators::FromCurrentLocale() {
  // nl_langinfo rather than localeconv: glibc documents localeconv as unsafe
  // while other threads call it, nl_langinfo only as reading the locale.
  NumberSeparators separators;
  separators.decimal = nl_langinfo(RADIXCHAR);
  separators.thousands = nl_langinfo(THOUSEP);
  return separators;
}

}  // namespace quillfold
