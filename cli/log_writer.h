#ifndef QUILLFOLD_CLI_LOG_WRITER_H_
#define QUILLFOLD_CLI_LOG_WRITER_H_

#include <string>
#include <string_view>

#include "cli/terminal_text.h"
#include "cli/text_output.h"

namespace quillfold {

// Writes log lines to an output through a buffer. Once a write fails,
// further lines are dropped: the run itself must go on and write every
// record. A reader that went away (a closed pipe, as with `| head`) is no
// failure; any other reason is kept for the caller to report.
class LogWriter {
 public:
  struct Format {
    char terminator = '\n';  // After each line; NUL for `xargs -0`.
    // Where the lines go, and so how they show (see AppendForTerminal).
    Terminal terminal = Terminal::kNone;
  };

  LogWriter(TextOutput& output, Format format) : output_(output), format_(format) {}
  LogWriter(const LogWriter&) = delete;
  LogWriter& operator=(const LogWriter&) = delete;
  ~LogWriter() { Flush(); }

  void AddLine(std::string_view line);
  void Flush();

  // The system's reason for lines that could not be written, 0 when every
  // line reached the output or its reader went away.
  int error() const { return error_; }

 private:
  TextOutput& output_;
  Format format_;
  bool stopped_ = false;
  int error_ = 0;
  std::string buffer_;
};

}  // namespace quillfold

#endif  // QUILLFOLD_CLI_LOG_WRITER_H_
