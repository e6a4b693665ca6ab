#ifndef QUILLFOLD_GENERATION_RUN_INPUTS_H_
#define QUILLFOLD_GENERATION_RUN_INPUTS_H_

#include <string>
#include <string_view>

namespace quillfold {

// The settings of one run. Strings are bytes as the file system and the
// user's locale have them (UTF-8 on any current Linux).
struct RunSettings {
  // The folder to list and to write into: absolute, no trailing separator
  // except for a root ("/"; "C:\" on Windows).
  std::string folder_path;
  bool filter_on = false;
  // The text a file name must contain, compared byte for byte.
  std::string filter_text;
  bool paging_on = false;
  // The number of links per page file, as the user typed it.
  std::string links_per_page_text;
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

// What a front end supplies to a run: its settings, from the front end's
// controls or command line, and its log.
class RunInputs : public RunLog {
 public:
  // Read once, when the run starts; nothing can change them while it lasts.
  virtual RunSettings Settings() = 0;
};

}  // namespace quillfold

#endif  // QUILLFOLD_GENERATION_RUN_INPUTS_H_
