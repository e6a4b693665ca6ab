#ifndef QUILLFOLD_WINDOW_SHARED_BACKGROUND_WORK_H_
#define QUILLFOLD_WINDOW_SHARED_BACKGROUND_WORK_H_

#include <exception>
#include <functional>
#include <optional>
#include <thread>

#include "runtime/error.h"

namespace quillfold {

// Work on a thread of its own, so that the window that started it keeps
// answering the system (its liveness checks, its repaints) however long the
// disk takes: a run, or the listing of a folder. What the work needs is read
// from the controls beforehand, on the window's thread: no control is
// touched from the work's.
class BackgroundWork {
 public:
  // Starts `work` at once. `ended` is called on the work's thread as its
  // last act: it may only tell the window's thread, which then calls
  // Finish.
  BackgroundWork(std::function<void()> work, std::function<void()> ended);
  BackgroundWork(const BackgroundWork&) = delete;
  BackgroundWork& operator=(const BackgroundWork&) = delete;
  // Waits for the work to end, should the window give up waiting first.
  ~BackgroundWork();

  // Waits for the work to end and gives its error, if it raised one. Any
  // other exception (no memory left) is raised again here, on the window's
  // thread, as if the work had been done there.
  std::optional<Error> Finish();

 private:
  void Run(const std::function<void()>& work, const std::function<void()>& ended);

  std::optional<Error> failure_;
  std::exception_ptr other_failure_;
  std::thread thread_;  // Last: started once everything it uses is made.
};

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_SHARED_BACKGROUND_WORK_H_
