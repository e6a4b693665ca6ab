// Times quillfold-cli against `tree -H . -L 1 -o FILE` on the same folder of
// generated files and prints the figures, with the peak memory of each run.
//
//   cli_bench [--files N]... [--runs R] [--scratch DIR]
//
// Every run starts from the same folder: the page files a run wrote are
// removed before the next one, outside the timed part.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/bench_support.h"

namespace {

namespace fs = std::filesystem;

using quillfold::bench::Measurement;

// The fastest of `runs`, the usual way to keep the machine's noise out;
// the peak memory is the largest seen.
Measurement Best(const std::vector<std::string>& argv, const std::string& dir, int runs,
                 const std::string& cleanup_folder) {
  Measurement best{1e300, 0};
  for (int i = 0; i < runs; ++i) {
    const Measurement m = quillfold::bench::TimeCommand(argv, dir);
    best.seconds = std::min(best.seconds, m.seconds);
    best.peak_kib = std::max(best.peak_kib, m.peak_kib);
    if (!cleanup_folder.empty()) quillfold::bench::RemovePageFiles(cleanup_folder);
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<int> sizes;
  int runs = 5;
  std::string scratch = "/tmp/quillfold-bench";
  const std::string cli = fs::absolute(fs::path(argv[0]).parent_path() / "../cli/quillfold-cli");
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--files")
      sizes.push_back(std::atoi(argv[i + 1]));
    else if (option == "--runs")
      runs = std::atoi(argv[i + 1]);
    else if (option == "--scratch")
      scratch = argv[i + 1];
  }
  if (sizes.empty()) sizes = {100000};

  std::printf("%10s  %9s  %9s  %6s  %9s  %6s  %9s\n", "files", "tree s", "cli s", "ratio",
              "paging s", "ratio", "peak MB");
  Measurement first_plain{0, 0}, first_paged{0, 0};
  for (const int files : sizes) {
    const std::string folder = scratch + "/files-" + std::to_string(files);
    if (!fs::exists(folder))
      quillfold::bench::MakeNumberedFiles(folder, "document-%07d.txt", files);
    quillfold::bench::RemovePageFiles(folder);
    const std::string tree_out = scratch + "/tree-" + std::to_string(files) + ".html";
    const Measurement tree = Best({"tree", "-H", ".", "-L", "1", "-o", tree_out}, folder, runs, "");
    const Measurement plain = Best({cli, folder}, folder, runs, folder);
    const Measurement paged =
        Best({cli, "--paging", "--links-per-page", "95", folder}, folder, runs, folder);
    std::printf("%10d  %9.3f  %9.3f  %6.3f  %9.3f  %6.3f  %9.1f\n", files, tree.seconds,
                plain.seconds, plain.seconds / tree.seconds, paged.seconds,
                paged.seconds / tree.seconds, std::max(plain.peak_kib, paged.peak_kib) / 1024.0);
    if (first_plain.seconds == 0) {
      first_plain = plain;
      first_paged = paged;
    } else {
      std::printf("%10s  %.1f times the first size's time, %.1f with paging (target: 13)\n", "",
                  plain.seconds / first_plain.seconds, paged.seconds / first_paged.seconds);
    }
  }
  std::printf(
      "ratio: the command-line run's time over tree's (targets: 0.25 plain, 0.6 paged);\n"
      "peak MB: the command-line run's peak memory (target for 1,000,000 files: 150)\n");
  return 0;
}
