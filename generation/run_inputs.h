#ifndef QUILLFOLD_GENERATION_RUN_INPUTS_H_
#define QUILLFOLD_GENERATION_RUN_INPUTS_H_

#include <string>
#include <string_view>

namespace quillfold {

// What a generation run reads its settings from and writes its log to. A
// front end supplies them from its controls or its command line. Strings are
// bytes as the file system and the user's locale have them (UTF-8 on any
// current Linux).
class RunInputs {
 public:
  virtual ~RunInputs() = default;

  // The folder to list and to write into: absolute, no trailing separator
  // except for a root ("/"; "C:\" on Windows).
  virtual std::string FolderPath() = 0;
  // The filter is on when this is 1 (ticked); 0 (clear) and 2 (grey) are off.
  virtual int FilterSwitch() = 0;
  // The text a file name must contain, compared byte for byte.
  virtual std::string FilterText() = 0;
  // Paging is on when this is 1.
  virtual int PagingSwitch() = 0;
  // The number of links per page file, as the user typed it.
  virtual std::string LinksPerPageText() = 0;

  // The log. The run clears it once, then adds one line per linked name, in
  // order; the log's text is the names, each followed by CR LF. A line is
  // added only once its record is in its file, or when that record's write
  // is the one that failed.
  virtual void ClearLog() = 0;
  virtual void AppendLogLine(std::string_view name) = 0;
};

}  // namespace quillfold

#endif  // QUILLFOLD_GENERATION_RUN_INPUTS_H_
