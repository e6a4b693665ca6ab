#ifndef QUILLFOLD_GENERATION_RECORD_OUTPUT_H_
#define QUILLFOLD_GENERATION_RECORD_OUTPUT_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "generation/generate_indexes.h"
#include "runtime/append_file.h"
#include "runtime/folder.h"

namespace quillfold {

// Appends link records to the output files of a run, one file open at a
// time, buffering records so that a page costs one write instead of one per
// record.
//
// A file holds whole records only: when a write fails halfway through a
// record, the file is cut back to the end of the record before it.
//
// Each record may carry a log line. The line reaches the log once its record
// is in its file, so that after a failure the log ends exactly with the entry
// whose record failed, as it would if every record were written at once.
class RecordOutput {
 public:
  // Files are made in `folder`. Log lines go to `log`, which may be null
  // when no record carries one.
  RecordOutput(const Folder& folder, RunLog* log);

  // Appends the record for `name` to the file `file_name` in the folder,
  // closing the file before it when the name differs. With `log_line`,
  // `name` is also a log line, and must stay valid until Close().
  void Append(const std::string& file_name, std::string_view name, bool log_line);

  // Writes out every buffered record and closes the open file. Safe to call
  // when no file is open; raises the file error of a failed write or close.
  void Close();

 private:
  struct PendingRecord {
    std::size_t end;  // Offset just past the record in the file's buffer.
    std::optional<std::string_view> log_line;
  };

  // Writes the buffer out; on a failed write, cuts the file back to its last
  // whole record, logs the lines up to and including the record the failure
  // hit, closes the file and raises. A request to end the program waits
  // until the write, and the cut, are done.
  void Flush();
  void LogPendingThrough(std::size_t count);

  const Folder& folder_;
  RunLog* log_;
  std::optional<AppendFile> file_;
  std::vector<PendingRecord> pending_;
};

}  // namespace quillfold

#endif  // QUILLFOLD_GENERATION_RECORD_OUTPUT_H_
