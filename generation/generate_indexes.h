#ifndef QUILLFOLD_GENERATION_GENERATE_INDEXES_H_
#define QUILLFOLD_GENERATION_GENERATE_INDEXES_H_

#include <string>
#include <string_view>

#include "runtime/disk.h"

namespace quillfold {

// The settings of one run, read from a front end's controls or command line
// before it starts. Strings are bytes as the file system and the user's
// locale have them (UTF-8 on any current Linux).
struct RunSettings {
  // The folder to list and to write into: absolute, no trailing separator
  // except for a root ("/"; "C:\" on Windows).
  std::string folder_path;
  bool filter_on = false;
  // The text a file name must contain, compared byte for byte.
  std::string filter_text;
  bool paging_on = false;
  // The number of links per page file, as the user typed it.
  std::string links_per_page_text = "95";
};

// Where a run writes its log. The run clears it once, then adds one line
// per linked name, in order. A line is added only once its record is in
// its file, or when that record's write is the one that failed.
class RunLog {
 public:
  virtual ~RunLog() = default;
  virtual void Clear() = 0;
  virtual void AddLine(std::string_view name) = 0;
};

// The generation run: appends a link record for every file directly in the
// folder (optionally only names containing the filter text) to the page files
// index1.html, index2.html, ... in that folder, logging each linked name;
// with paging on, spreads them over pages of the given size and then appends
// one record per written page to the master index index.html.
//
// Failures are raised as quillfold::Error and end the run at that step:
// records and log lines before it stay, every file is closed.
void GenerateIndexes(const RunSettings& settings, RunLog& log, Disk& disk);

}  // namespace quillfold

#endif  // QUILLFOLD_GENERATION_GENERATE_INDEXES_H_
