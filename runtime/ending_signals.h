#ifndef QUILLFOLD_RUNTIME_ENDING_SIGNALS_H_
#define QUILLFOLD_RUNTIME_ENDING_SIGNALS_H_

namespace quillfold {

// A request to end the program (Ctrl+C, a termination request, a closed
// terminal; on Windows Ctrl+C, Ctrl+Break and a closed console) that comes
// while a write to a page is under way waits until the write, and the cut
// back that may follow it, are done; the program then ends as that request
// ends it. A file therefore holds its old bytes and whole records whenever
// the program ends. Call once, first thing in main; a request the program
// was started to ignore stays ignored.
//
// A file size limit (RLIMIT_FSIZE) no longer ends the program either: a
// write past it fails, and the run reports it as a full disk.
void PrepareEndingSignals();

// Holds back a request to end the program while it lives. Not nested; one
// at a time per program.
class EndingSignalsHeld {
 public:
  EndingSignalsHeld();
  EndingSignalsHeld(const EndingSignalsHeld&) = delete;
  EndingSignalsHeld& operator=(const EndingSignalsHeld&) = delete;
  // Ends the program when a request came meanwhile.
  ~EndingSignalsHeld();
};

}  // namespace quillfold

#endif  // QUILLFOLD_RUNTIME_ENDING_SIGNALS_H_
