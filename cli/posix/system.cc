// The command line's side of a POSIX system.

#include "cli/system.h"

#include <langinfo.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

#include "platform/posix/locale_text.h"

namespace quillfold {

namespace {

// A terminal shows text in the character set of the locale the program
// runs in (set from the environment at start).
Terminal TerminalOf(int descriptor) {
  if (isatty(descriptor) != 1) return Terminal::kNone;
  return std::string_view(nl_langinfo(CODESET)) == "UTF-8" ? Terminal::kUtf8 : Terminal::kEightBit;
}

}  // namespace

std::string TypedText(std::string_view argument) {
  const std::string converted = InUtf8(argument, nl_langinfo(CODESET));
  return converted.empty() ? std::string(argument) : converted;
}

bool IsReaderGone(int system_code) { return system_code == EPIPE; }

StandardStream::StandardStream(Which which)
    : handle_(which == Which::kOutput ? STDOUT_FILENO : STDERR_FILENO),
      terminal_(TerminalOf(static_cast<int>(handle_))) {}

int StandardStream::Write(std::string_view text) {
  std::size_t written = 0;
  while (written < text.size()) {
    const ssize_t result =
        ::write(static_cast<int>(handle_), text.data() + written, text.size() - written);
    if (result > 0) {
      written += static_cast<std::size_t>(result);
    } else if (result < 0 && errno == EINTR) {
      continue;
    } else {
      // A write that makes no progress would be asked again forever.
      return result == 0 ? EIO : errno;
    }
  }
  return 0;
}

}  // namespace quillfold
