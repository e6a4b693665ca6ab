#ifndef QUILLFOLD_TESTING_CLI_PROCESS_H_
#define QUILLFOLD_TESTING_CLI_PROCESS_H_

#include <csignal>
#include <cstddef>
#include <string>
#include <vector>

namespace quillfold::testing {

// How to start a program for a fault test: the conditions are set up in the
// child between fork and exec, so that they hold for the program itself and
// never for the test.
struct HostileStart {
  // The program's current folder; empty for the test's own, or "/" when
  // the program runs as nobody, who may not enter the test's.
  std::string working_directory;
  // Run as the user "nobody" (uid and gid 65534) when the test runs as root,
  // so that file permissions apply to the program.
  bool as_nobody = false;
  // When >= 0, the limit on open file descriptors (as `ulimit -n`), set
  // when the program first opens a folder. Set before exec instead, it would
  // stop the dynamic loader, which needs a descriptor per library, rather
  // than the program. Needs ptrace, on x86-64.
  int open_files_limit = -1;
  // When >= 0, the reader of standard output goes away after this many
  // whole lines, as with `| head -N`.
  int stdout_lines_read = -1;
  // When > 0, the program is sent `kill_signal` once this many bytes have
  // arrived on standard output and `kill_delay_microseconds` more have
  // passed.
  std::size_t kill_after_stdout_bytes = 0;
  int kill_signal = SIGKILL;
  long kill_delay_microseconds = 0;
  // Descriptors the program starts with closed, as with `>&-`.
  std::vector<int> closed_descriptors;
  // When >= 0, the largest file the program may write, in bytes (as
  // `ulimit -f`).
  long long file_size_limit = -1;
  // Whether the program starts with SIGXFSZ ignored, so that a write past
  // the limit fails with EFBIG; otherwise the signal keeps the action a
  // shell leaves it, ending the program unless it ignores it itself.
  bool file_size_signal_ignored = true;
  // Standard output, or standard error, is a terminal (in raw mode, so
  // bytes arrive unchanged) instead of a pipe.
  bool stdout_on_terminal = false;
  bool stderr_on_terminal = false;
};

struct HostileResult {
  int exit_code = -1;  // -1 when the program did not exit by itself.
  int signal = 0;      // The signal that ended it, 0 when it exited.
  std::string out;     // What the reader took of standard output.
  std::string err;
  long peak_memory_kib = 0;  // The program's own peak resident size.
};

// Runs `argv` (argv[0] is the program's path) to its end.
HostileResult RunHostile(const std::vector<std::string>& argv, const HostileStart& start = {});

}  // namespace quillfold::testing

#endif  // QUILLFOLD_TESTING_CLI_PROCESS_H_
