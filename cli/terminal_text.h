#ifndef QUILLFOLD_CLI_TERMINAL_TEXT_H_
#define QUILLFOLD_CLI_TERMINAL_TEXT_H_

#include <string>
#include <string_view>

namespace quillfold {

// Where the command line's text goes: a pipe or a file, which take the
// bytes as they are, or a terminal, which shows them.
enum class Terminal {
  kNone,
  kUtf8,
  // A terminal in a locale of an 8-bit character set (ISO-8859-1, say),
  // which takes each byte 0x80-0x9F as a C1 control: 9B as CSI, as ESC [
  // is, 9D as OSC. In UTF-8 such bytes stand inside most characters beyond
  // ASCII (U+201B is E2 80 9B).
  kEightBit,
};

// Appends `line` as it shows on `terminal`: as AppendShownName shows a
// name, so that no name can move the cursor, retitle the window or clear
// the screen; on an 8-bit terminal also each byte 0x80-0x9F as "?". Into a
// pipe or a file, as it is.
void AppendForTerminal(std::string_view line, Terminal terminal, std::string& out);

}  // namespace quillfold

#endif  // QUILLFOLD_CLI_TERMINAL_TEXT_H_
