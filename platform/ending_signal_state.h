#ifndef QUILLFOLD_PLATFORM_ENDING_SIGNAL_STATE_H_
#define QUILLFOLD_PLATFORM_ENDING_SIGNAL_STATE_H_

#include <atomic>

namespace quillfold::ending_signals {

// Shared by the writer and a signal handler (on Windows the console's
// handler thread): whether a write is under way, and which request to end
// the program came. One atomic word, so the handler needs no lock.
inline constexpr int kIdle = 0;
inline constexpr int kWriting = -1;
// Any positive value: the request that is ending the program.

inline std::atomic<int> state{kIdle};
static_assert(std::atomic<int>::is_always_lock_free);

// What the handler does with `request`: true when nothing is being written,
// so the program ends now; false when the writer was told to end it once its
// write is done, or the program is ending already.
inline bool EndsNow(int request) {
  int seen = kIdle;
  for (;;) {
    if (seen > 0) return false;
    if (state.compare_exchange_weak(seen, request)) return seen == kIdle;
  }
}

// For the writer: marks a write as under way. Returns false when the program
// is ending already, so that no write may start.
inline bool BeginWrite() {
  int seen = kIdle;
  while (!state.compare_exchange_weak(seen, kWriting)) {
    if (seen > 0) return false;
    seen = kIdle;
  }
  return true;
}

// For the writer: marks the write as done; returns the request that came
// meanwhile, or 0.
inline int EndWrite() {
  const int request = state.exchange(kIdle);
  return request > 0 ? request : 0;
}

}  // namespace quillfold::ending_signals

#endif  // QUILLFOLD_PLATFORM_ENDING_SIGNAL_STATE_H_
