#include "window/shared/background_run.h"

#include <utility>

#include "generation/generate_indexes.h"

namespace quillfold {

BackgroundRun::BackgroundRun(RunSettings settings, Disk& disk, std::function<void()> ended) {
  inputs_.settings = std::move(settings);
  thread_ = std::thread(&BackgroundRun::Run, this, std::ref(disk), std::move(ended));
}

BackgroundRun::~BackgroundRun() {
  if (thread_.joinable()) thread_.join();
}

void BackgroundRun::Run(Disk& disk, const std::function<void()>& ended) {
  try {
    GenerateIndexes(inputs_, disk);
  } catch (const Error& error) {
    failure_ = error;
  } catch (...) {
    other_failure_ = std::current_exception();
  }
  ended();
}

std::optional<Error> BackgroundRun::Finish() {
  if (thread_.joinable()) thread_.join();
  if (other_failure_) std::rethrow_exception(std::exchange(other_failure_, nullptr));
  return failure_;
}

}  // namespace quillfold
