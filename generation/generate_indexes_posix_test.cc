// Generation runs against what only a POSIX system makes: symbolic links,
// named pipes, and permissions as an unprivileged user.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "generation/generate_indexes.h"
#include "runtime/error.h"
#include "testing/fake_run.h"
#include "testing/folder_snapshot.h"
#include "testing/generation_run.h"
#include "testing/temp_folder.h"
#include "testing/unprivileged.h"

namespace quillfold {
namespace {

using testing::FakeRun;
using testing::Grown;
using testing::ListingOrder;
using testing::Log;
using testing::ReadFile;
using testing::Records;
using testing::RunGeneration;
using testing::SnapshotFolder;
using testing::TempFolder;
using testing::WriteFile;

using Files = testing::FolderBytes;

// A name in a page file's place that is no regular file ends the run on the
// first entry bound for it; nothing is written through it, and the pages
// before it are complete.
TEST(GenerateIndexesPosixTest, APageFileThatIsNoRegularFileFailsOnItsEntry) {
  const struct {
    std::string what;
    std::function<void(const std::string& page)> make;
    std::string kind;
  } kCases[] = {
      {"link to a file",
       [](const std::string& page) { ASSERT_EQ(symlink("../victim", page.c_str()), 0); },
       "a symbolic link"},
      {"link to a full disk",
       [](const std::string& page) { ASSERT_EQ(symlink("/dev/full", page.c_str()), 0); },
       "a symbolic link"},
      {"dangling link",
       [](const std::string& page) { ASSERT_EQ(symlink("nowhere", page.c_str()), 0); },
       "a symbolic link"},
      {"folder", [](const std::string& page) { mkdir(page.c_str(), 0755); }, "a folder"},
      {"named pipe without a reader", [](const std::string& page) { mkfifo(page.c_str(), 0644); },
       "a named pipe"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    TempFolder base;
    WriteFile(base / "victim", "victim's own bytes");
    const std::string folder = base / "folder";
    mkdir(folder.c_str(), 0755);
    for (const char* name : {"a", "b", "c"}) WriteFile(folder + "/" + name, name);
    c.make(folder + "/index2.html");
    const std::vector<std::string> order = ListingOrder(folder);
    const Files before = SnapshotFolder(folder);
    FakeRun inputs;
    inputs.folder_path = folder;
    inputs.paging_on = true;
    inputs.links_per_page_text = "2";
    try {
      GenerateIndexes(inputs, inputs, SystemDisk());
      ADD_FAILURE() << "no error raised";
    } catch (const Error& error) {
      EXPECT_EQ(error.number(), 75);
      EXPECT_EQ(error.detail(), folder + "/index2.html is " + c.kind);
    }
    EXPECT_EQ(inputs.log, Log({order[0], order[1], order[2]}));
    EXPECT_EQ(SnapshotFolder(folder),
              Grown(before, {{"index1.html", Records({order[0], order[1]})}}));
    EXPECT_EQ(ReadFile(base / "victim"), "victim's own bytes");
  }
}

TEST(GenerateIndexesPosixTest, PermissionFaultsAsAnUnprivilegedUser) {
  const struct {
    std::string what;
    mode_t mode;
    int number;
    std::string log;
  } kCases[] = {
      {"read-only folder", 0555, 70, "a\r\n"},
      {"unreadable folder", 0333, 70, ""},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    TempFolder folder;
    WriteFile(folder / "a", "old");
    chmod(folder.path().c_str(), c.mode);
    const std::string result = testing::RunUnprivileged([&] {
      FakeRun inputs;
      inputs.folder_path = folder.path();
      inputs.filter_text = "a";
      inputs.filter_on = true;
      return std::to_string(RunGeneration(inputs)) + "|" + inputs.log;
    });
    EXPECT_EQ(result, std::to_string(c.number) + "|" + c.log);
    chmod(folder.path().c_str(), 0755);
    EXPECT_EQ(SnapshotFolder(folder.path()), (Files{{"a", "old"}}));
  }
}

}  // namespace
}  // namespace quillfold
