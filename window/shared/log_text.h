#ifndef QUILLFOLD_WINDOW_SHARED_LOG_TEXT_H_
#define QUILLFOLD_WINDOW_SHARED_LOG_TEXT_H_

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

#include "generation/generate_indexes.h"

namespace quillfold {

// A run's log as the window's log box shows it, in UTF-8: each name as
// AppendShownName shows it, and LF after it (a box that
// needs CR LF adds the CR). Collected during the run
// and handed to the box after it: a box refilled line by line would lay
// itself out once per line.
class LogText : public RunLog {
 public:
  void Clear() override;
  void AddLine(std::string_view name) override;

  // Whether the run got as far as clearing the log. A run that failed
  // before (a links-per-page text that is no number) leaves the box as it
  // was.
  bool cleared() const { return cleared_; }
  const std::string& text() const { return text_; }
  std::string TakeText() { return std::move(text_); }

 private:
  std::string text_;
  bool cleared_ = false;
};

// How the log goes into the box. A box lays out every line it is given
// before it answers again, so a long log goes in a piece at a time: the
// first piece at once (more lines than any window shows), the rest in steps
// from a timer, whose turn comes after the user's input and painting, each
// step adding pieces for about 40 ms. The window answers in between, and
// the user may scroll, select and copy while the rest arrives.
inline constexpr std::size_t kFirstLogLines = 200;
inline constexpr std::size_t kLogLinesPerPiece = 250;
inline constexpr std::chrono::milliseconds kLogStepTime{40};

// A log handed out a few whole lines at a time.
class LogPieces {
 public:
  LogPieces() = default;
  explicit LogPieces(std::string text) : text_(std::move(text)) {}

  // The next piece: up to `lines` lines, each with its LF, and the rest
  // of the text when it has fewer. Empty once everything was given.
  std::string_view Next(std::size_t lines);
  bool done() const { return given_ == text_.size(); }

 private:
  std::string text_;
  std::size_t given_ = 0;
};

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_SHARED_LOG_TEXT_H_
