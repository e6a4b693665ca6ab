#ifndef QUILLFOLD_TESTING_EXPECTED_RUN_H_
#define QUILLFOLD_TESTING_EXPECTED_RUN_H_

#include <string>
#include <vector>

#include "testing/folder_snapshot.h"

namespace quillfold::testing {

// The names of the entries directly in `folder` that are not folders (a link
// counts as what it points to), in the order the system enumerates them:
// read here with readdir, apart from the engine's own listing.
std::vector<std::string> ListedFiles(const std::string& folder);

// Creates empty files quickly: one open and close each, nothing written.
void MakeEmptyFiles(const std::string& folder, const std::vector<std::string>& names);

// What a successful run appends to each file, for the names it links in
// order: with `links_per_page` 0 (paging off) every record goes to
// index1.html; otherwise page k takes the k-th group of that many names and
// index.html lists every page written.
FolderBytes ExpectedRecords(const std::vector<std::string>& names, int links_per_page);

}  // namespace quillfold::testing

#endif  // QUILLFOLD_TESTING_EXPECTED_RUN_H_
