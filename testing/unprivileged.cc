#include "testing/unprivileged.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

namespace quillfold::testing {
namespace {

constexpr uid_t kNobody = 65534;

}  // namespace

bool BecomeNobody() {
  return setgroups(0, nullptr) == 0 && setgid(kNobody) == 0 && setuid(kNobody) == 0;
}

std::string RunUnprivileged(const std::function<std::string()>& body) {
  int pipe_fds[2];
  if (pipe(pipe_fds) != 0) throw std::runtime_error("pipe failed");
  const pid_t child = fork();
  if (child < 0) throw std::runtime_error("fork failed");
  if (child == 0) {
    close(pipe_fds[0]);
    if (geteuid() == 0 && !BecomeNobody()) _exit(3);
    // The test's current folder, the build folder, may lie where nobody
    // cannot enter (a checkout below /root or in a home folder of mode 0700),
    // and a body that changes folder changes back to it.
    if (chdir("/") != 0) _exit(5);
    const std::string result = body();
    std::size_t written = 0;
    while (written < result.size()) {
      const ssize_t n = write(pipe_fds[1], result.data() + written, result.size() - written);
      if (n <= 0) _exit(4);
      written += static_cast<std::size_t>(n);
    }
    _exit(0);
  }
  close(pipe_fds[1]);
  std::string result;
  char chunk[4096];
  for (ssize_t n; (n = read(pipe_fds[0], chunk, sizeof chunk)) > 0;) result.append(chunk, n);
  close(pipe_fds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    throw std::runtime_error("unprivileged child failed with status " + std::to_string(status));
  }
  return result;
}

}  // namespace quillfold::testing
