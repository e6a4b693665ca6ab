#include "window/win32/log_box.h"

#include <chrono>
#include <utility>

#include "window/win32/window_text.h"

namespace quillfold {
LogBox::LogBox(HWND box, HWND timer_window, UINT_PTR timer_id)
    : box_(box), timer_window_(timer_window), timer_id_(timer_id) {
  // The log holds every name of a large folder, past the 30,000 characters
  // an edit box takes by default.
  SendMessageW(box_, EM_SETLIMITTEXT, 0, 0);
}

void LogBox::Show(std::string text) {
  pieces_ = LogPieces(std::move(text));
  SetWindowTextW(box_, EditBoxText(pieces_.Next(kFirstLogLines)).c_str());
  if (pieces_.done()) {
    KillTimer(timer_window_, timer_id_);
  } else {
    SetTimer(timer_window_, timer_id_, USER_TIMER_MINIMUM, nullptr);
  }
}

void LogBox::ShowMore() {
  // Added at the end, while the user may be reading, selecting or typing
  // further up: the selection and the first line shown stay as they were.
  DWORD selection_start = 0;
  DWORD selection_end = 0;
  SendMessageW(box_, EM_GETSEL, reinterpret_cast<WPARAM>(&selection_start),
               reinterpret_cast<LPARAM>(&selection_end));
  const LRESULT first_line = SendMessageW(box_, EM_GETFIRSTVISIBLELINE, 0, 0);
  SendMessageW(box_, WM_SETREDRAW, FALSE, 0);
  const auto step_end = std::chrono::steady_clock::now() + kLogStepTime;
  while (!pieces_.done() && std::chrono::steady_clock::now() < step_end) {
    const int end = GetWindowTextLengthW(box_);
    SendMessageW(box_, EM_SETSEL, end, end);
    SendMessageW(box_, EM_REPLACESEL, FALSE,
                 reinterpret_cast<LPARAM>(EditBoxText(pieces_.Next(kLogLinesPerPiece)).c_str()));
  }
  SendMessageW(box_, EM_SETSEL, selection_start, selection_end);
  SendMessageW(box_, EM_LINESCROLL, 0,
               first_line - SendMessageW(box_, EM_GETFIRSTVISIBLELINE, 0, 0));
  SendMessageW(box_, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(box_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
  if (pieces_.done()) KillTimer(timer_window_, timer_id_);
}

}  // namespace quillfold
