// Twenty runs in a row on one folder, as a user clicking again and again
// would make them: each run appends exactly its records to each file, in
// the listing of that moment (which includes the pages earlier runs made),
// and changes nothing else.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "testing/cli_process.h"
#include "testing/expected_run.h"
#include "testing/folder_snapshot.h"
#include "testing/temp_folder.h"

namespace quillfold {
namespace {

using testing::ExpectedRecords;
using testing::FirstDifference;
using testing::FolderBytes;
using testing::Grown;
using testing::HostileResult;
using testing::ListedFiles;
using testing::RunHostile;
using testing::SnapshotFolder;
using testing::TempFolder;
using testing::WriteFile;

constexpr int kRuns = 20;

// The runs take turns among these settings, so that paged and unpaged
// records, filtered and unfiltered, pile up in the same files.
struct Settings {
  int links_per_page;  // 0: paging off.
  std::string filter;  // Empty: filter off.
};
const Settings kSettings[] = {{3, ""}, {0, ""}, {4, "."}, {1, "index"}};

TEST(EnduranceTest, TwentyRunsEachAppendExactlyTheirRecords) {
  TempFolder folder;
  for (const std::string name : {"a", "b c", "\xC3\xBC.txt", "<x>", "100%", "index7.html"}) {
    WriteFile(folder / name, "content of " + name);
  }
  mkdir((folder / "sub").c_str(), 0755);

  for (int run = 0; run < kRuns; ++run) {
    SCOPED_TRACE("run " + std::to_string(run + 1));
    const Settings& settings = kSettings[run % std::size(kSettings)];
    std::vector<std::string> arguments{QUILLFOLD_CLI_PATH};
    std::vector<std::string> linked = ListedFiles(folder.path());
    if (!settings.filter.empty()) {
      arguments.insert(arguments.end(), {"--filter", settings.filter});
      std::erase_if(linked, [&](const std::string& name) {
        return name.find(settings.filter) == std::string::npos;
      });
    }
    if (settings.links_per_page > 0) {
      arguments.insert(arguments.end(),
                       {"--paging", "--links-per-page", std::to_string(settings.links_per_page)});
    }
    arguments.push_back(folder.path());
    const FolderBytes before = SnapshotFolder(folder.path());

    const HostileResult result = RunHostile(arguments);

    ASSERT_EQ(result.exit_code, 0) << result.err;
    std::string log;
    for (const std::string& name : linked) log += name + "\n";
    EXPECT_EQ(result.out, log);
    ASSERT_EQ(FirstDifference(Grown(before, ExpectedRecords(linked, settings.links_per_page)),
                              SnapshotFolder(folder.path())),
              "");
  }
}

}  // namespace
}  // namespace quillfold
