// The number separators of the user's regional settings on Windows.

#include <windows.h>

#include <iterator>
#include <string>

#include "platform/windows/wide_text.h"
#include "runtime/number_text.h"

namespace quillfold {
namespace {

// One setting of the user's locale, read anew at each call: a change in the
// Control Panel applies to the next number, as on POSIX a change of
// LC_NUMERIC does. Empty when the system has none.
std::string UserLocaleText(LCTYPE type) {
  // Both settings hold at most three characters and the final NUL.
  wchar_t text[8];
  const int length =
      GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, text, static_cast<int>(std::size(text)));
  if (length <= 1) return std::string();
  return FromWide(std::wstring_view(text, length - 1));
}

}  // namespace

NumberSeparators NumberSeparators::FromCurrentLocale() {
  NumberSeparators separators;
  if (std::string decimal = UserLocaleText(LOCALE_SDECIMAL); !decimal.empty()) {
    separators.decimal = std::move(decimal);
  }
  separators.thousands = UserLocaleText(LOCALE_STHOUSAND);
  return separators;
}

}  // namespace quillfold
