#include "runtime/ending_signals.h"

#include <pthread.h>
#include <unistd.h>

#include <csignal>

#include "platform/ending_signal_state.h"

namespace quillfold {
namespace {

using ending_signals::BeginWrite;
using ending_signals::EndsNow;
using ending_signals::EndWrite;

constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP};

// Ends the program by `signal_number` as if it had never been caught, so a
// parent sees the status that signal gives.
[[noreturn]] void EndBy(int signal_number) {
  struct sigaction default_action {};
  default_action.sa_handler = SIG_DFL;
  sigaction(signal_number, &default_action, nullptr);
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, signal_number);
  raise(signal_number);  // Pending while it is blocked, here in its handler.
  pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
  _exit(128 + signal_number);  // Not reached.
}

void OnEndingSignal(int signal_number) {
  if (EndsNow(signal_number)) EndBy(signal_number);
  // Otherwise the writer ends the program when its write is done, or it is
  // ending already.
}

}  // namespace

void PrepareEndingSignals() {
  // A write past the file size limit then fails with EFBIG instead of
  // ending the program in the middle of a record.
  std::signal(SIGXFSZ, SIG_IGN);
  for (const int signal_number : kEndingSignals) {
    struct sigaction current {};
    sigaction(signal_number, nullptr, &current);
    // Ignored by whoever started the program (nohup, a background job).
    if (current.sa_handler == SIG_IGN) continue;
    struct sigaction action {};
    action.sa_handler = OnEndingSignal;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    sigaction(signal_number, &action, nullptr);
  }
}

EndingSignalsHeld::EndingSignalsHeld() {
  // Another thread's handler is ending the program: start nothing.
  while (!BeginWrite()) pause();
}

EndingSignalsHeld::~EndingSignalsHeld() {
  if (const int request = EndWrite()) EndBy(request);
}

}  // namespace quillfold
