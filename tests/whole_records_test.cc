// A write that fails at any byte of a record leaves the page file with its
// old bytes followed by whole records only: the real quillfold-cli with its
// file size limited (as `ulimit -f`) to every size across one record and
// across the boundary between two pages.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstddef>
#include <string>
#include <vector>

#include "testing/cli_process.h"
#include "testing/expected_run.h"
#include "testing/folder_snapshot.h"
#include "testing/memory_file_system.h"
#include "testing/temp_folder.h"

namespace quillfold {
namespace {

using testing::ExpectedRecords;
using testing::FirstDifference;
using testing::FolderBytes;
using testing::Grown;
using testing::HostileResult;
using testing::HostileStart;
using testing::ListedFiles;
using testing::MakeEmptyFiles;
using testing::RunHostile;
using testing::SnapshotFolder;
using testing::TempFolder;
using testing::WriteFile;

constexpr std::size_t kPerPage = 3;

std::string PageName(std::size_t page) { return "index" + std::to_string(page) + ".html"; }

std::string RecordOf(const std::string& name) {
  return ExpectedRecords({name}, 0).at("index1.html");
}

// What a run must leave when no file may grow past `limit` bytes: records
// go in order while they fit whole; the first that does not fit ends the
// run, and is the last name in the log.
struct Outcome {
  FolderBytes added;
  std::string log;
  std::string failed_page;  // Empty when every record fits.
};

Outcome Expect(const std::vector<std::string>& names, const FolderBytes& before,
               std::size_t limit) {
  Outcome outcome;
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::string page = PageName(i / kPerPage + 1);
    const std::string record = RecordOf(names[i]);
    outcome.log += names[i] + "\n";
    const std::size_t old_size = before.contains(page) ? before.at(page).size() : 0;
    if (old_size + outcome.added[page].size() + record.size() > limit) {
      outcome.failed_page = page;
      return outcome;
    }
    outcome.added[page] += record;
  }
  return outcome;
}

TEST(WholeRecordsTest, AFailedWriteAtAnyByteLeavesOldBytesAndWholeRecords) {
  testing::PreferMemoryFileSystem(16);
  TempFolder base;
  const std::string folder = base / "folder";
  ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
  // Names of one length, so every record has the same size.
  MakeEmptyFiles(folder, {"f0", "f1", "f2", "f3", "f4", "f5"});
  const std::size_t record = RecordOf("f0").size();
  const std::string old_first = "old first page\r\n";
  // Page 2 starts a whole page's worth past page 1's old end, so that as
  // the limit grows the failure moves from page 1's last record to page 2's
  // first.
  const std::string old_second = old_first + std::string(kPerPage * record, 'x');
  WriteFile(folder + "/index1.html", old_first);
  WriteFile(folder + "/index2.html", old_second);
  const FolderBytes before = SnapshotFolder(folder);
  std::vector<std::string> names = ListedFiles(folder);
  std::erase_if(names, [](const std::string& name) { return name[0] != 'f'; });

  std::vector<std::size_t> extras;  // Bytes the limit allows past page 1's old end.
  for (std::size_t k = 0; k <= record; ++k) extras.push_back(k);
  for (std::size_t k = (kPerPage - 1) * record; k <= (kPerPage + 1) * record; ++k) {
    extras.push_back(k);
  }
  for (const std::size_t extra : extras) {
    SCOPED_TRACE("limit old size + " + std::to_string(extra));
    for (const auto& [name, bytes] : before) WriteFile(folder + "/" + name, bytes);
    const std::size_t limit = old_first.size() + extra;
    const Outcome expected = Expect(names, before, limit);
    ASSERT_NE(expected.failed_page, "") << "the limit must stop the run";

    HostileStart start;
    start.file_size_limit = static_cast<long long>(limit);
    const HostileResult result = RunHostile({QUILLFOLD_CLI_PATH, "--filter", "f", "--paging",
                                             "--links-per-page", std::to_string(kPerPage), folder},
                                            start);

    EXPECT_EQ(result.exit_code, 1);
    EXPECT_EQ(result.err, "quillfold-cli: error 61: Disk full\nquillfold-cli: " + folder + "/" +
                              expected.failed_page + ": File too large\n");
    EXPECT_EQ(result.out, expected.log);
    EXPECT_EQ(FirstDifference(Grown(before, expected.added), SnapshotFolder(folder)), "");
  }
}

}  // namespace
}  // namespace quillfold
