#ifndef QUILLFOLD_TESTING_SUBPROCESS_H_
#define QUILLFOLD_TESTING_SUBPROCESS_H_

#include <string>
#include <vector>

namespace quillfold::testing {

struct ProcessResult {
  int exit_code = -1;  // -1 when the process did not exit normally.
  std::string out;
  std::string err;
};

struct ProcessOptions {
  std::string working_directory;  // Empty: the test's own.
  // When set, standard output is a pipe whose reader goes away after this
  // many bytes, as with `| head -c N`.
  int stdout_bytes_read = -1;
};

// Runs a program to its end and collects what it printed.
ProcessResult RunProcess(const std::vector<std::string>& argv, const ProcessOptions& options = {});

}  // namespace quillfold::testing

#endif  // QUILLFOLD_TESTING_SUBPROCESS_H_
