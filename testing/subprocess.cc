#include "testing/subprocess.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>
#include <thread>

namespace quillfold::testing {
namespace {

std::string ReadAll(int fd, int limit) {
  std::string data;
  char chunk[65536];
  while (limit < 0 || static_cast<int>(data.size()) < limit) {
    const std::size_t want = limit < 0 ? sizeof chunk : std::min(sizeof chunk, limit - data.size());
    const ssize_t n = read(fd, chunk, want);
    if (n <= 0) break;
    data.append(chunk, static_cast<std::size_t>(n));
  }
  close(fd);
  return data;
}

}  // namespace

ProcessResult RunProcess(const std::vector<std::string>& argv, const ProcessOptions& options) {
  int out_pipe[2], err_pipe[2];
  if (pipe2(out_pipe, O_CLOEXEC) != 0 || pipe2(err_pipe, O_CLOEXEC) != 0) {
    throw std::runtime_error("pipe failed");
  }
  const pid_t child = fork();
  if (child < 0) throw std::runtime_error("fork failed");
  if (child == 0) {
    dup2(out_pipe[1], STDOUT_FILENO);
    dup2(err_pipe[1], STDERR_FILENO);
    if (!options.working_directory.empty() && chdir(options.working_directory.c_str()) != 0) {
      _exit(126);
    }
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    execv(args[0], args.data());
    _exit(127);
  }
  close(out_pipe[1]);
  close(err_pipe[1]);
  ProcessResult result;
  // Both pipes are drained at once so that neither can fill up and stall.
  std::thread err_reader([&] { result.err = ReadAll(err_pipe[0], -1); });
  result.out = ReadAll(out_pipe[0], options.stdout_bytes_read);
  err_reader.join();
  int status = 0;
  waitpid(child, &status, 0);
  if (WIFEXITED(status)) result.exit_code = WEXITSTATUS(status);
  return result;
}

}  // namespace quillfold::testing
