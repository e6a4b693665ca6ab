#ifndef QUILLFOLD_BENCH_BENCH_SUPPORT_H_
#define QUILLFOLD_BENCH_BENCH_SUPPORT_H_

#include <string>
#include <vector>

namespace quillfold::bench {

struct Measurement {
  double seconds;
  long peak_kib;  // The child's peak resident memory.
};

// Runs `argv` in `dir` with its standard output discarded and exits the
// benchmark when it fails: a figure of a failed run would mislead.
Measurement TimeCommand(const std::vector<std::string>& argv, const std::string& dir);

// Creates `folder` (if needed) holding `count` empty files named by the
// printf `pattern` with their number, such as "file%07d.txt".
void MakeNumberedFiles(const std::string& folder, const char* pattern, int count);

// Removes the page files and the master index a run wrote, so that every
// run starts from the same folder.
void RemovePageFiles(const std::string& folder);

}  // namespace quillfold::bench

#endif  // QUILLFOLD_BENCH_BENCH_SUPPORT_H_
