#include "testing/cli_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/ptrace.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/user.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <thread>

#include "testing/unprivileged.h"

namespace quillfold::testing {
namespace {

// A copy of a program that the user nobody can run. Where it was built may
// be out of that user's reach (a build below /root, whose folder is
// private); /tmp is open to all and, unlike a memory file system, seldom
// mounted without the right to run programs.
class ProgramCopy {
 public:
  explicit ProgramCopy(const std::string& program) {
    namespace fs = std::filesystem;
    std::string folder = "/tmp/quillfold-program-XXXXXX";
    if (mkdtemp(folder.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    folder_ = folder;
    fs::permissions(folder_, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec |
                                 fs::perms::group_read | fs::perms::others_read);
    path_ = folder_ + "/" + fs::path(program).filename().string();
    fs::copy_file(program, path_);
  }
  ProgramCopy(const ProgramCopy&) = delete;
  ProgramCopy& operator=(const ProgramCopy&) = delete;
  ~ProgramCopy() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  const std::string& path() const { return path_; }

 private:
  std::string folder_;
  std::string path_;
};

std::string ReadToEnd(int fd) {
  std::string data;
  char chunk[65536];
  for (ssize_t n; (n = read(fd, chunk, sizeof chunk)) > 0;) data.append(chunk, n);
  close(fd);
  return data;
}

std::size_t CountLines(const std::string& text) {
  std::size_t lines = 0;
  for (const char c : text) lines += c == '\n';
  return lines;
}

// Reads standard output as the start asks for, signalling the program when
// it is time; closes the pipe when done so a program still writing sees it
// gone.
std::string ReadOutput(int fd, pid_t child, const HostileStart& start) {
  using Clock = std::chrono::steady_clock;
  std::string data;
  char chunk[65536];
  bool signalled = false;
  std::optional<Clock::time_point> signal_at;
  for (;;) {
    // Reading line by line once lines are counted, so the reader takes no
    // more than it would through `head`.
    const std::size_t want = start.stdout_lines_read >= 0 ? 1 : sizeof chunk;
    if (start.stdout_lines_read >= 0 &&
        CountLines(data) >= static_cast<std::size_t>(start.stdout_lines_read)) {
      break;
    }
    if (signal_at && !signalled) {
      // The program may write nothing for a while: wait for its output no
      // longer than until the signal is due.
      const auto left = std::chrono::ceil<std::chrono::milliseconds>(*signal_at - Clock::now());
      pollfd ready{fd, POLLIN, 0};
      if (left.count() <= 0 || poll(&ready, 1, static_cast<int>(left.count())) == 0) {
        kill(child, start.kill_signal);
        signalled = true;
        continue;
      }
    }
    const ssize_t n = read(fd, chunk, want);
    if (n <= 0) break;
    data.append(chunk, static_cast<std::size_t>(n));
    if (!signal_at && start.kill_after_stdout_bytes > 0 &&
        data.size() >= start.kill_after_stdout_bytes) {
      signal_at = Clock::now() + std::chrono::microseconds(start.kill_delay_microseconds);
    }
  }
  close(fd);
  return data;
}

// Follows the traced child's system calls until it is about to open a
// folder (opendir's openat with O_DIRECTORY; the loader opens only files),
// lowers its descriptor limit there and lets it go on untraced.
void LimitOpenFilesAtFirstFolder(pid_t child, int limit) {
#if defined(__x86_64__)
  int status = 0;
  // The child stops with SIGTRAP once exec has replaced it.
  if (waitpid(child, &status, 0) != child || !WIFSTOPPED(status)) {
    throw std::runtime_error("the traced program did not stop at exec");
  }
  ptrace(PTRACE_SETOPTIONS, child, 0, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL);
  int pass_signal = 0;
  for (;;) {
    if (ptrace(PTRACE_SYSCALL, child, 0, pass_signal) != 0) {
      throw std::runtime_error("ptrace failed");
    }
    pass_signal = 0;
    if (waitpid(child, &status, 0) != child) throw std::runtime_error("waitpid failed");
    if (WIFEXITED(status) || WIFSIGNALED(status)) {
      throw std::runtime_error("the program ended before it opened a folder");
    }
    if (WSTOPSIG(status) != (SIGTRAP | 0x80)) {
      pass_signal = WSTOPSIG(status);  // A real signal: deliver it.
      continue;
    }
    user_regs_struct registers;
    ptrace(PTRACE_GETREGS, child, 0, &registers);
    // On entry to a call the result register still holds -ENOSYS.
    const bool entry = static_cast<long>(registers.rax) == -ENOSYS;
    if (entry && registers.orig_rax == SYS_openat && (registers.rdx & O_DIRECTORY) != 0) {
      const rlimit files_limit{static_cast<rlim_t>(limit), static_cast<rlim_t>(limit)};
      if (prlimit(child, RLIMIT_NOFILE, &files_limit, nullptr) != 0) {
        throw std::runtime_error("prlimit failed");
      }
      ptrace(PTRACE_DETACH, child, 0, 0);
      return;
    }
  }
#else
  (void)child;
  (void)limit;
  throw std::runtime_error("a descriptor limit at the first folder needs x86-64");
#endif
}

// A terminal for standard output or error: `ends[0]` the side the test reads,
// `ends[1]` the side the program writes to, both closed on exec.
void OpenTerminal(int ends[2]) {
  ends[0] = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (ends[0] < 0 || grantpt(ends[0]) != 0 || unlockpt(ends[0]) != 0) {
    throw std::runtime_error("no terminal available");
  }
  ends[1] = open(ptsname(ends[0]), O_RDWR | O_NOCTTY | O_CLOEXEC);
  termios settings;
  if (ends[1] < 0 || tcgetattr(ends[1], &settings) != 0) {
    throw std::runtime_error("cannot open the terminal");
  }
  cfmakeraw(&settings);
  tcsetattr(ends[1], TCSANOW, &settings);
}

}  // namespace

HostileResult RunHostile(const std::vector<std::string>& argv, const HostileStart& start) {
  // Everything the child needs is prepared before fork: after it, the child
  // of a threaded process may only make plain system calls.
  const bool drop_privileges = start.as_nobody && geteuid() == 0;
  std::optional<ProgramCopy> copy;
  if (drop_privileges) copy.emplace(argv.at(0));
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  if (copy) args[0] = const_cast<char*>(copy->path().c_str());
  args.push_back(nullptr);
  // The current folder a level at a time, so that it may lie deeper than
  // the longest path the system takes in one call. Left in the test's own
  // folder, the build folder, the user nobody would be where it may not
  // enter when the checkout is private (below /root, or in a home folder of
  // mode 0700).
  std::vector<std::string> working_levels;
  if (start.working_directory.empty()) {
    if (drop_privileges) working_levels.emplace_back("/");
  } else {
    if (start.working_directory.front() == '/') working_levels.emplace_back("/");
    std::size_t at = 0;
    while (at < start.working_directory.size()) {
      const std::size_t end =
          std::min(start.working_directory.find('/', at), start.working_directory.size());
      if (end > at) working_levels.push_back(start.working_directory.substr(at, end - at));
      at = end + 1;
    }
  }

  int out_pipe[2], err_pipe[2];
  if (start.stdout_on_terminal) {
    OpenTerminal(out_pipe);
  } else if (pipe2(out_pipe, O_CLOEXEC) != 0) {
    throw std::runtime_error("pipe failed");
  }
  if (start.stderr_on_terminal) {
    OpenTerminal(err_pipe);
  } else if (pipe2(err_pipe, O_CLOEXEC) != 0) {
    throw std::runtime_error("pipe failed");
  }
  const rlimit size_limit{static_cast<rlim_t>(start.file_size_limit),
                          static_cast<rlim_t>(start.file_size_limit)};
  const pid_t child = fork();
  if (child < 0) throw std::runtime_error("fork failed");
  if (child == 0) {
    dup2(out_pipe[1], STDOUT_FILENO);
    dup2(err_pipe[1], STDERR_FILENO);
    for (const int fd : start.closed_descriptors) close(fd);
    // An ignored signal stays ignored across exec.
    signal(SIGXFSZ, start.file_size_signal_ignored ? SIG_IGN : SIG_DFL);
    if (start.file_size_limit >= 0) {
      if (setrlimit(RLIMIT_FSIZE, &size_limit) != 0) _exit(123);
    }
    if (drop_privileges && !BecomeNobody()) _exit(125);
    for (const std::string& level : working_levels) {
      if (chdir(level.c_str()) != 0) _exit(126);
    }
    if (start.open_files_limit >= 0 && ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0) {
      _exit(124);
    }
    execv(args[0], args.data());
    _exit(127);
  }
  close(out_pipe[1]);
  close(err_pipe[1]);
  HostileResult result;
  // Both pipes are drained at once so that neither can fill up and stall.
  std::thread err_reader([&] { result.err = ReadToEnd(err_pipe[0]); });
  // Only the thread that forked may trace the child, so this comes first.
  if (start.open_files_limit >= 0) {
    try {
      LimitOpenFilesAtFirstFolder(child, start.open_files_limit);
    } catch (...) {
      kill(child, SIGKILL);
      close(out_pipe[0]);
      err_reader.join();
      waitpid(child, nullptr, 0);
      throw;
    }
  }
  result.out = ReadOutput(out_pipe[0], child, start);
  err_reader.join();
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child) throw std::runtime_error("wait4 failed");
  if (WIFEXITED(status)) result.exit_code = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
  result.peak_memory_kib = usage.ru_maxrss;
  return result;
}

}  // namespace quillfold::testing
