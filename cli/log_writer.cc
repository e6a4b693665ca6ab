#include "cli/log_writer.h"

#include <unistd.h>

#include <cerrno>

namespace quillfold {
namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

}  // namespace

void LogWriter::AddLine(std::string_view line) {
  if (reader_gone_) return;
  buffer_ += line;
  buffer_ += '\n';
  if (buffer_.size() >= kBufferSize) Flush();
}

void LogWriter::Flush() {
  std::size_t written = 0;
  while (!reader_gone_ && written < buffer_.size()) {
    const ssize_t result = ::write(fd_, buffer_.data() + written, buffer_.size() - written);
    if (result < 0 && errno == EINTR) continue;
    // Any failure to deliver the log (a closed pipe, a full disk behind a
    // redirection) leaves the run's own output untouched.
    if (result <= 0) reader_gone_ = true;
    if (result > 0) written += static_cast<std::size_t>(result);
  }
  buffer_.clear();
}

}  // namespace quillfold
