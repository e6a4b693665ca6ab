#include "window/qt/print_answer.h"

#include <cerrno>
#include <cstdio>

#include "runtime/error.h"

namespace quillfold {

int PrintAnswer(std::string_view text) {
  // Into a file or a pipe the text only reaches stdio's buffer at first:
  // the write that fails is the flush.
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
    const int error = errno;
    std::fprintf(stderr, "quillfold: cannot write to standard output: %s\n",
                 SystemErrorText(error).c_str());
    return 1;
  }
  return 0;
}

}  // namespace quillfold
