#ifndef QUILLFOLD_CLI_SYSTEM_H_
#define QUILLFOLD_CLI_SYSTEM_H_

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "cli/terminal_text.h"
#include "cli/text_output.h"

namespace quillfold {

// What the command line needs of the operating system around it. Each system
// has its own implementation (cli/posix/, cli/windows/), whose entry point
// (main, wmain) gets the process ready and hands the arguments to
// RunCommandLine as UTF-8; everything else is one shared code path.

// The program, given the arguments after its name; returns the exit status.
int RunCommandLine(std::span<const std::string_view> arguments);

// An argument that is typed text (the links per page) as UTF-8. A terminal
// in a locale of an 8-bit character set passes what is typed in that set:
// fr_FR's no-break space arrives as the byte 0xA0. Text that does not
// convert stays as it is. (Windows passes arguments as UTF-16.)
std::string TypedText(std::string_view argument);

// Whether a write failed only because its reader went away (a pipe closed by
// `| head`), which must not stop a run.
bool IsReaderGone(int system_code);

// Standard output or standard error, as the program prints to it.
class StandardStream : public TextOutput {
 public:
  enum class Which { kOutput, kError };

  explicit StandardStream(Which which);

  // Whether it is a terminal (a console on Windows), and of which kind:
  // names show there as AppendForTerminal shows them.
  Terminal terminal() const { return terminal_; }

  // On a Windows console the text is shown as Unicode; elsewhere it is
  // written as UTF-8 bytes, with CR LF line ends on Windows.
  int Write(std::string_view text) override;

 private:
  std::intptr_t handle_;  // A descriptor, or a HANDLE on Windows.
  Terminal terminal_;
};

}  // namespace quillfold

#endif  // QUILLFOLD_CLI_SYSTEM_H_
