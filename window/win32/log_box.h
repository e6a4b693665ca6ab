#ifndef QUILLFOLD_WINDOW_WIN32_LOG_BOX_H_
#define QUILLFOLD_WINDOW_WIN32_LOG_BOX_H_

#include <windows.h>

#include <string>

#include "window/shared/log_text.h"

namespace quillfold {

// Text1, the log: an editable multi-line edit box that shows a run's linked
// names. An edit box lays out every line it is given before it answers
// again (about 50 us a line under Wine), so a long log goes in as
// LogPieces: the first at once, the rest from a timer of the owner window,
// whose turn comes after the user's input and painting.
class LogBox {
 public:
  // Takes over `box`; the rest of a log goes in on `timer_window`'s timer
  // `timer_id`, which the window hands to ShowMore.
  LogBox(HWND box, HWND timer_window, UINT_PTR timer_id);
  LogBox(const LogBox&) = delete;
  LogBox& operator=(const LogBox&) = delete;

  HWND handle() const { return box_; }

  // Replaces what the box shows by `text` (LogText's): its first
  // kFirstLogLines lines now, the rest from the timer.
  void Show(std::string text);

  // One timer step: adds pieces of kLogLinesPerPiece lines for about
  // kLogStepTime, then stops the timer once the log is all in.
  void ShowMore();

 private:
  HWND box_;
  HWND timer_window_;
  UINT_PTR timer_id_;
  LogPieces pieces_;  // What of the last run's log the box does not show yet.
};

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_WIN32_LOG_BOX_H_
