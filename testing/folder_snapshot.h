#ifndef QUILLFOLD_TESTING_FOLDER_SNAPSHOT_H_
#define QUILLFOLD_TESTING_FOLDER_SNAPSHOT_H_

#include <map>
#include <string>

namespace quillfold::testing {

// Files by name with their bytes.
using FolderBytes = std::map<std::string, std::string>;

// Every regular file directly in `folder` with its bytes, links and folders
// left out (a link to a device would read forever). The folder is reached one
// level at a time, so paths longer than the system's limit work too. A
// folder that does not exist gives no files.
FolderBytes SnapshotFolder(const std::string& folder);

#ifndef _WIN32
// Opens an absolute folder one level at a time, so that its path may be
// longer than the system takes in one call; a descriptor, or -1.
int OpenFolderByLevels(const std::string& folder);
#endif

// Empty when the two are equal; otherwise the first difference in words,
// short enough for a test message even for folders of many large files.
std::string FirstDifference(const FolderBytes& expected, const FolderBytes& actual);

// `before` with `added` appended to the files it names (created if absent).
FolderBytes Grown(FolderBytes before, const FolderBytes& added);

}  // namespace quillfold::testing

#endif  // QUILLFOLD_TESTING_FOLDER_SNAPSHOT_H_
