#ifndef QUILLFOLD_TESTING_GENERATION_RUN_H_
#define QUILLFOLD_TESTING_GENERATION_RUN_H_

#include <string>
#include <vector>

#include "generation/generate_indexes.h"
#include "generation/link_record.h"
#include "runtime/error.h"
#include "runtime/folder.h"
#include "runtime/list_folder_files.h"
#include "testing/fake_run.h"

namespace quillfold::testing {

// What the tests of a generation run expect and how they start one.

inline std::string Records(const std::vector<std::string>& names) {
  std::string records;
  for (const std::string& name : names) AppendLinkRecord(records, name, name);
  return records;
}

inline std::string Log(const std::vector<std::string>& names) {
  std::string log;
  for (const std::string& name : names) log += name + "\r\n";
  return log;
}

// The folder's names in the order the system lists them, which is the order
// a run must write them in.
inline std::vector<std::string> ListingOrder(const std::string& folder) {
  const FileNameList list = ListFolderFiles(Folder(SystemDisk(), folder));
  std::vector<std::string> names;
  for (std::size_t i = 0; i < list.size(); ++i) names.emplace_back(list[i]);
  return names;
}

// Runs and returns the error number, 0 when the run succeeded.
inline int RunGeneration(FakeRun& inputs, Disk& disk = SystemDisk()) {
  try {
    GenerateIndexes(inputs, inputs, disk);
  } catch (const Error& error) {
    return error.number();
  }
  return 0;
}

}  // namespace quillfold::testing

#endif  // QUILLFOLD_TESTING_GENERATION_RUN_H_
