#ifndef QUILLFOLD_WINDOW_SHARED_BACKGROUND_RUN_H_
#define QUILLFOLD_WINDOW_SHARED_BACKGROUND_RUN_H_

#include <exception>
#include <functional>
#include <optional>
#include <string_view>
#include <thread>

#include "generation/run_inputs.h"
#include "runtime/disk.h"
#include "runtime/error.h"
#include "window/shared/log_text.h"

namespace quillfold {

// One generation run on a thread of its own, so that the window that
// started it keeps answering the system (its liveness checks, its repaints)
// however long the disk takes. The settings are read from the controls
// beforehand, on the window's thread: no control is touched from the run's.
class BackgroundRun {
 public:
  // Starts the run at once. `ended` is called on the run's thread as its
  // last act: it may only tell the window's thread, which then calls
  // Finish.
  BackgroundRun(RunSettings settings, Disk& disk, std::function<void()> ended);
  BackgroundRun(const BackgroundRun&) = delete;
  BackgroundRun& operator=(const BackgroundRun&) = delete;
  // Waits for the run to end, should the window give up waiting first.
  ~BackgroundRun();

  // Waits for the run to end and gives its error, if it raised one. Any
  // other exception (no memory left) is raised again here, on the window's
  // thread, as if the run had been there.
  std::optional<Error> Finish();

  // The run's log; complete once Finish has returned.
  LogText& log() { return inputs_.log; }

 private:
  // What the engine asks of a run: settings read beforehand, and the log.
  struct SettledInputs : RunInputs {
    RunSettings settings;
    LogText log;

    RunSettings Settings() override { return settings; }
    void Clear() override { log.Clear(); }
    void AddLine(std::string_view name) override { log.AddLine(name); }
  };

  void Run(Disk& disk, const std::function<void()>& ended);

  SettledInputs inputs_;
  std::optional<Error> failure_;
  std::exception_ptr other_failure_;
  std::thread thread_;  // Last: started once everything it uses is made.
};

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_SHARED_BACKGROUND_RUN_H_
