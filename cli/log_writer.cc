#include "cli/log_writer.h"

#include <unistd.h>

#include <cerrno>

namespace quillfold {
namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

}  // namespace

void LogWriter::AddLine(std::string_view line) {
  if (stopped_) return;
  if (format_.mask_controls) {
    for (const char c : line) {
      const auto byte = static_cast<unsigned char>(c);
      buffer_ += byte < 0x20 || byte == 0x7F ? '?' : c;
    }
  } else {
    buffer_ += line;
  }
  buffer_ += format_.terminator;
  if (buffer_.size() >= kBufferSize) Flush();
}

void LogWriter::Flush() {
  std::size_t written = 0;
  while (!stopped_ && written < buffer_.size()) {
    const ssize_t result = ::write(fd_, buffer_.data() + written, buffer_.size() - written);
    if (result > 0) {
      written += static_cast<std::size_t>(result);
    } else if (result < 0 && errno == EINTR) {
      continue;
    } else {
      stopped_ = true;
      if (result == 0 || errno != EPIPE) error_ = result == 0 ? EIO : errno;
    }
  }
  buffer_.clear();
}

}  // namespace quillfold
