#include "generation/record_output.h"

#include <algorithm>
#include <cstdint>

#include "generation/link_record.h"
#include "runtime/ending_signals.h"
#include "runtime/error.h"
#include "runtime/on_failure.h"

namespace quillfold {
namespace {

// Large enough that a page costs one write, small enough that the log of
// a run without paging keeps moving.
constexpr std::size_t kFlushThreshold = 256 * 1024;

}  // namespace

RecordOutput::RecordOutput(const Folder& folder, RunLog* log) : folder_(folder), log_(log) {}

void RecordOutput::Append(const std::string& file_name, std::string_view name, bool log_line) {
  if (!file_ || file_->name() != file_name) {
    Close();
    // A page that cannot be opened fails its first record: its entry is
    // logged, as that of a failed write is.
    const OnFailure log_entry([&] {
      if (log_line) log_->AddLine(name);
    });
    file_.emplace(folder_, file_name);
  }
  std::string& buffer = file_->buffer();
  AppendLinkRecord(buffer, name, name);
  pending_.push_back({buffer.size(), log_line ? std::optional(name) : std::nullopt});
  if (buffer.size() >= kFlushThreshold) Flush();
}

void RecordOutput::Flush() {
  std::size_t written;
  int error;
  int cut_error = 0;
  std::size_t whole = 0;
  {
    // Until the file holds whole records again, a request to end the
    // program waits; the log may block on its reader, so it comes after.
    const EndingSignalsHeld held;
    const std::int64_t size_before = file_->size();
    error = file_->TryFlush(written);
    if (error != 0) {
      // The record the failure hit is the first one that did not fully
      // arrive. A piece of it would leave the page inside an open tag or
      // attribute for every later run; cut it off.
      for (const PendingRecord& record : pending_) {
        if (record.end > written) break;
        whole = record.end;
      }
      if (written > whole)
        cut_error = file_->CutBack(size_before + static_cast<std::int64_t>(whole));
    }
  }
  if (error == 0) {
    LogPendingThrough(pending_.size());
    return;
  }
  const auto failed = std::find_if(pending_.begin(), pending_.end(),
                                   [whole](const PendingRecord& r) { return r.end > whole; });
  LogPendingThrough(static_cast<std::size_t>(failed - pending_.begin()) + 1);
  Error failure = FileError(error, file_->path());
  if (cut_error != 0) {
    failure = Error(failure.number(), failure.detail() +
                                          "; cutting it back to its last whole record failed: " +
                                          SystemErrorText(cut_error));
  }
  file_.reset();
  throw failure;
}

void RecordOutput::LogPendingThrough(std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    if (pending_[i].log_line) log_->AddLine(*pending_[i].log_line);
  }
  pending_.clear();
}

void RecordOutput::Close() {
  if (!file_) return;
  Flush();
  // A file whose close failed is let go all the same.
  const OnFailure let_go([this] { file_.reset(); });
  file_->Close();
  file_.reset();
}

}  // namespace quillfold
