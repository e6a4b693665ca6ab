#ifndef QUILLFOLD_PLATFORM_POSIX_LOCALE_TEXT_H_
#define QUILLFOLD_PLATFORM_POSIX_LOCALE_TEXT_H_

#include <string>
#include <string_view>

namespace quillfold {

// `text`, in the character set `codeset` (as nl_langinfo names it), as
// UTF-8: the engine reads text as UTF-8, while a legacy locale gives its
// separators, and a terminal in it gives what is typed, in its own set, as
// fr_FR's ISO-8859-1 gives the byte 0xA0 for its no-break space. Empty when
// the text does not convert.
std::string InUtf8(std::string_view text, const char* codeset);

}  // namespace quillfold

#endif  // QUILLFOLD_PLATFORM_POSIX_LOCALE_TEXT_H_
