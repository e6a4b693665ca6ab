#ifndef QUILLFOLD_WINDOW_SHARED_BACKGROUND_RUN_H_
#define QUILLFOLD_WINDOW_SHARED_BACKGROUND_RUN_H_

#include <functional>
#include <optional>
#include <utility>

#include "generation/generate_indexes.h"
#include "runtime/disk.h"
#include "runtime/error.h"
#include "window/shared/background_work.h"
#include "window/shared/log_text.h"

namespace quillfold {

// One generation run as BackgroundWork, with the settings read from the
// controls beforehand.
class BackgroundRun {
 public:
  // Starts the run at once. `ended` is called on the run's thread as its
  // last act: it may only tell the window's thread, which then calls
  // Finish.
  BackgroundRun(RunSettings settings, Disk& disk, std::function<void()> ended);

  // Waits for the run to end and gives its error, as BackgroundWork::Finish.
  std::optional<Error> Finish() { return work_.Finish(); }

  // The run's log; complete once Finish has returned.
  LogText& log() { return log_; }

 private:
  const RunSettings settings_;  // Read from the controls beforehand.
  LogText log_;
  BackgroundWork work_;  // Last: started once everything it uses is made.
};

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_SHARED_BACKGROUND_RUN_H_
