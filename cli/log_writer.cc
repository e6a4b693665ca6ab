#include "cli/log_writer.h"

#include "cli/system.h"

namespace quillfold {
namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

}  // namespace

void LogWriter::AddLine(std::string_view line) {
  if (stopped_) return;
  AppendForTerminal(line, format_.terminal, buffer_);
  buffer_ += format_.terminator;
  if (buffer_.size() >= kBufferSize) Flush();
}

void LogWriter::Flush() {
  if (!stopped_ && !buffer_.empty()) {
    if (const int error = output_.Write(buffer_)) {
      stopped_ = true;
      if (!IsReaderGone(error)) error_ = error;
    }
  }
  buffer_.clear();
}

}  // namespace quillfold
