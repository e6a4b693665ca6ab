#include "generation/record_output.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "generation/link_record.h"
#include "runtime/error.h"

namespace quillfold {
namespace {

// Large enough that a page costs one write, small enough that the log of
// a run without paging keeps moving.
constexpr std::size_t kFlushThreshold = 256 * 1024;

}  // namespace

RecordOutput::RecordOutput(Disk& disk, RunInputs* log) : disk_(disk), log_(log) {}

void RecordOutput::Append(const std::string& path, std::string_view name, bool log_line) {
  if (!file_ || file_->path() != path) {
    Close();
    try {
      file_.emplace(disk_, path);
    } catch (const Error&) {
      if (log_line) log_->AppendLogLine(name);
      throw;
    }
  }
  std::string& buffer = file_->buffer();
  AppendLinkRecord(buffer, name, name);
  pending_.push_back({buffer.size(), log_line ? std::optional(name) : std::nullopt});
  if (buffer.size() >= kFlushThreshold) Flush();
}

void RecordOutput::Flush() {
  const std::int64_t size_before = file_->size();
  std::size_t written;
  const int error = file_->TryFlush(written);
  if (error == 0) {
    LogPendingThrough(pending_.size());
    return;
  }
  // The record the failure hit is the first one that did not fully arrive.
  const auto failed = std::find_if(pending_.begin(), pending_.end(),
                                   [written](const PendingRecord& r) { return r.end > written; });
  const std::size_t whole = failed == pending_.begin() ? 0 : std::prev(failed)->end;
  LogPendingThrough(static_cast<std::size_t>(failed - pending_.begin()) + 1);
  Error failure = FileError(error, file_->path());
  // A piece of a record would leave the page inside an open tag or
  // attribute for every later run; cut it off.
  if (written > whole) {
    if (const int cut_error = file_->CutBack(size_before + static_cast<std::int64_t>(whole))) {
      failure = Error(failure.number(), failure.detail() +
                                            "; cutting it back to its last whole record failed: " +
                                            SystemErrorText(cut_error));
    }
  }
  file_.reset();
  throw failure;
}

void RecordOutput::LogPendingThrough(std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    if (pending_[i].log_line) log_->AppendLogLine(*pending_[i].log_line);
  }
  pending_.clear();
}

void RecordOutput::Close() {
  if (!file_) return;
  Flush();
  try {
    file_->Close();
  } catch (const Error&) {
    file_.reset();
    throw;
  }
  file_.reset();
}

}  // namespace quillfold
