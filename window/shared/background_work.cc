#include "window/shared/background_work.h"

#include <utility>

namespace quillfold {

BackgroundWork::BackgroundWork(std::function<void()> work, std::function<void()> ended)
    : thread_(&BackgroundWork::Run, this, std::move(work), std::move(ended)) {}

BackgroundWork::~BackgroundWork() {
  if (thread_.joinable()) thread_.join();
}

void BackgroundWork::Run(const std::function<void()>& work, const std::function<void()>& ended) {
  try {
    work();
  } catch (const Error& error) {
    failure_ = error;
  } catch (...) {
    other_failure_ = std::current_exception();
  }
  ended();
}

std::optional<Error> BackgroundWork::Finish() {
  if (thread_.joinable()) thread_.join();
  if (other_failure_) std::rethrow_exception(std::exchange(other_failure_, nullptr));
  return failure_;
}

}  // namespace quillfold
