#ifndef QUILLFOLD_CLI_LOG_WRITER_H_
#define QUILLFOLD_CLI_LOG_WRITER_H_

#include <string>
#include <string_view>

namespace quillfold {

// Writes log lines to a descriptor through a buffer. Once the reader has
// gone (a closed pipe, as with `| head`), further lines are dropped quietly:
// the run itself must go on and write every record.
class LogWriter {
 public:
  explicit LogWriter(int fd) : fd_(fd) {}
  LogWriter(const LogWriter&) = delete;
  LogWriter& operator=(const LogWriter&) = delete;
  ~LogWriter() { Flush(); }

  void AddLine(std::string_view line);
  void Flush();

 private:
  int fd_;
  bool reader_gone_ = false;
  std::string buffer_;
};

}  // namespace quillfold

#endif  // QUILLFOLD_CLI_LOG_WRITER_H_
