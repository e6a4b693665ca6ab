#ifndef QUILLFOLD_RUNTIME_ON_FAILURE_H_
#define QUILLFOLD_RUNTIME_ON_FAILURE_H_

#include <exception>
#include <utility>

namespace quillfold {

// Runs `action` when the scope it guards is left by an error, so that a step
// finishes its part (logs the entry the failure hit, lets go of a file) while
// the error itself goes on untouched to the front end. `action` runs while
// the error unwinds, so it must raise nothing itself.
template <typename Action>
class OnFailure {
 public:
  explicit OnFailure(Action action)
      : action_(std::move(action)), errors_before_(std::uncaught_exceptions()) {}
  OnFailure(const OnFailure&) = delete;
  OnFailure& operator=(const OnFailure&) = delete;
  ~OnFailure() {
    if (std::uncaught_exceptions() > errors_before_) action_();
  }

 private:
  Action action_;
  int errors_before_;
};

}  // namespace quillfold

#endif  // QUILLFOLD_RUNTIME_ON_FAILURE_H_
