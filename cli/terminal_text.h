#ifndef QUILLFOLD_CLI_TERMINAL_TEXT_H_
#define QUILLFOLD_CLI_TERMINAL_TEXT_H_

#include <string>
#include <string_view>

namespace quillfold {

// Appends `text` with each control character as one "?", as `ls` shows
// names on a terminal, so that a name cannot move the cursor, retitle the
// window or clear the screen: 0x00-0x1F, 0x7F and the C1 controls
// U+0080-U+009F, in UTF-8 or as a byte 0x80-0x9F outside a well-formed
// sequence.
void AppendMasked(std::string_view text, std::string& out);

}  // namespace quillfold

#endif  // QUILLFOLD_CLI_TERMINAL_TEXT_H_
