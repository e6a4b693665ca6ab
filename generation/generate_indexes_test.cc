#include "generation/generate_indexes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "runtime/error.h"
#include "runtime/path.h"
#include "testing/fake_disk.h"
#include "testing/fake_run.h"
#include "testing/folder_snapshot.h"
#include "testing/generation_run.h"
#include "testing/system_values.h"
#include "testing/temp_folder.h"

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

// A path in the fake disk's folder, written the system's way.
std::string InSite(std::string_view name) {
  return std::string(testing::kSiteFolder) + kPathSeparator + std::string(name);
}

class GenerateIndexesTest : public ::testing::Test {
 protected:
  void MakeFiles(const std::vector<std::string>& names) {
    for (const std::string& name : names) WriteFile(folder_ / name, "content of " + name);
  }
  FakeRun Inputs() {
    FakeRun inputs;
    inputs.folder_path = folder_.path();
    return inputs;
  }

  TempFolder folder_;
};

TEST_F(GenerateIndexesTest, LinksEveryFileInListingOrderOnOnePage) {
  MakeFiles({"a.txt", "b.pdf"});
  testing::MakeFolder(folder_ / "sub");
  const std::vector<std::string> order = ListingOrder(folder_.path());
  const Files before = SnapshotFolder(folder_.path());
  FakeRun inputs = Inputs();
  inputs.links_per_page_text = "3";  // Ignored with paging off.
  ASSERT_EQ(RunGeneration(inputs), 0);
  EXPECT_EQ(inputs.log, Log(order));
  EXPECT_EQ(SnapshotFolder(folder_.path()), Grown(before, {{"index1.html", Records(order)}}));
}

TEST_F(GenerateIndexesTest, FilterKeepsNamesContainingTheTextCaseSensitively) {
  MakeFiles({"a.txt", "b.pdf", "notes.html.bak", "PAGE.HTML", "index1.html"});
  const struct {
    bool filter_on;
    std::string filter_text;
    std::vector<std::string> kept;
  } kCases[] = {
      {true, ".pdf", {"b.pdf"}},
      {true, ".html", {"notes.html.bak", "index1.html"}},
      {true, "", {"a.txt", "b.pdf", "notes.html.bak", "PAGE.HTML", "index1.html"}},
      {true, "zzz", {}},
      {false, ".pdf", {"a.txt", "b.pdf", "notes.html.bak", "PAGE.HTML", "index1.html"}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.filter_text + (c.filter_on ? " on" : " off"));
    WriteFile(folder_ / "index1.html", "");
    std::vector<std::string> expected;
    for (const std::string& name : ListingOrder(folder_.path())) {
      if (std::find(c.kept.begin(), c.kept.end(), name) != c.kept.end()) expected.push_back(name);
    }
    FakeRun inputs = Inputs();
    inputs.filter_on = c.filter_on;
    inputs.filter_text = c.filter_text;
    ASSERT_EQ(RunGeneration(inputs), 0);
    EXPECT_EQ(inputs.log, Log(expected));
    EXPECT_EQ(ReadFile(folder_ / "index1.html"), Records(expected));
  }
}

TEST_F(GenerateIndexesTest, PagingSpreadsRecordsAndListsTheWrittenPages) {
  const struct {
    int files;
    std::string links_per_page;
    std::vector<int> page_sizes;
  } kCases[] = {
      {7, "3", {3, 3, 1}}, {6, "3", {3, 3}}, {3, "1", {1, 1, 1}}, {5, "0", {5}},
      {5, "-4", {5}},      {5, "2.5", {5}},  {4, " 2 ", {2, 2}},  {1, "95", {1}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::to_string(c.files) + " files at " + c.links_per_page);
    TempFolder folder;
    for (int i = 0; i < c.files; ++i) WriteFile(folder / ("f" + std::to_string(i)), "");
    const std::vector<std::string> order = ListingOrder(folder.path());
    FakeRun inputs;
    inputs.folder_path = folder.path();
    inputs.paging_on = true;
    inputs.links_per_page_text = c.links_per_page;
    ASSERT_EQ(RunGeneration(inputs), 0);

    Files expected = SnapshotFolder(folder.path());
    std::vector<std::string> pages;
    auto next = order.begin();
    for (const int size : c.page_sizes) {
      const std::string page = "index" + std::to_string(pages.size() + 1) + ".html";
      expected[page] = Records({next, next + size});
      next += size;
      pages.push_back(page);
    }
    expected["index.html"] = Records(pages);
    EXPECT_EQ(SnapshotFolder(folder.path()), expected);
    EXPECT_EQ(inputs.log, Log(order));
  }
}

TEST_F(GenerateIndexesTest, RunsTwiceByAppendingAfterOldContent) {
  MakeFiles({"a.txt"});
  WriteFile(folder_ / "index.html", "no line end");
  FakeRun inputs = Inputs();
  inputs.paging_on = true;
  inputs.links_per_page_text = "1";
  ASSERT_EQ(RunGeneration(inputs), 0);
  // The second run also links what the first one wrote.
  const std::vector<std::string> second_order = ListingOrder(folder_.path());
  const Files after_first = SnapshotFolder(folder_.path());
  ASSERT_EQ(RunGeneration(inputs), 0);

  Files added;
  for (std::size_t i = 0; i < second_order.size(); ++i) {
    added["index" + std::to_string(i + 1) + ".html"] = Records({second_order[i]});
  }
  std::vector<std::string> pages;
  for (std::size_t i = 1; i <= second_order.size(); ++i) {
    pages.push_back("index" + std::to_string(i) + ".html");
  }
  added["index.html"] = Records(pages);
  EXPECT_EQ(SnapshotFolder(folder_.path()), Grown(after_first, added));
  EXPECT_EQ(ReadFile(folder_ / "index.html").substr(0, 17), "no line end<body>");
}

TEST_F(GenerateIndexesTest, AFolderWithoutFilesGetsNoRecordAndNoLogLine) {
  testing::MakeFolder(folder_ / "sub");
  for (const bool filter_on : {false, true}) {
    FakeRun inputs = Inputs();
    inputs.filter_on = filter_on;
    inputs.paging_on = true;
    ASSERT_EQ(RunGeneration(inputs), 0);
    EXPECT_EQ(inputs.log, "");
    EXPECT_EQ(SnapshotFolder(folder_.path()), Files{});
  }
}

TEST_F(GenerateIndexesTest, ALinksPerPageTextThatIsNoSmallNumberChangesNothing) {
  MakeFiles({"a.txt"});
  const Files before = SnapshotFolder(folder_.path());
  const struct {
    std::string text;
    int number;
  } kCases[] = {{"abc", 13}, {"", 13}, {"40000", 6}, {"-32769", 6}, {"1e400", 6}};
  for (const auto& c : kCases) {
    for (const bool paging_on : {false, true}) {
      SCOPED_TRACE(c.text + (paging_on ? " paging on" : " paging off"));
      FakeRun inputs = Inputs();
      inputs.paging_on = paging_on;
      inputs.links_per_page_text = c.text;
      EXPECT_EQ(RunGeneration(inputs), c.number);
      EXPECT_EQ(inputs.log, "previous log\r\n");
      EXPECT_EQ(SnapshotFolder(folder_.path()), before);
    }
  }
}

TEST_F(GenerateIndexesTest, AMissingFolderIsNotFoundAfterTheLogIsCleared) {
  for (const bool filter_on : {false, true}) {
    FakeRun inputs = Inputs();
    inputs.folder_path = folder_ / "gone";
    inputs.filter_on = filter_on;
    EXPECT_EQ(RunGeneration(inputs), 76);
    EXPECT_EQ(inputs.log, "");
  }
  EXPECT_EQ(SnapshotFolder(folder_.path()), Files{});
}

// The overflow tests need tens of thousands of files: a folder in memory.
TEST(GenerateIndexesOverflowTest, ALinkCounterOverflowKeepsTheRecordBeforeIt) {
  std::vector<std::string> names;
  for (int i = 0; i < 32767; ++i) names.push_back("n" + std::to_string(i));
  testing::FakeDisk disk;
  disk.AddFolder(std::string(testing::kSiteFolder), names);
  disk.AddFolder(std::string(testing::kSiteFolder),
                 {"zzz-skipped"});  // Filtered out: it takes no place.
  FakeRun inputs;
  inputs.folder_path = testing::kSiteFolder;
  inputs.filter_on = true;
  inputs.filter_text = "n";
  inputs.paging_on = true;
  inputs.links_per_page_text = "0";
  EXPECT_EQ(RunGeneration(inputs, disk), 6);
  // The counter passes 32767 only after the 32767th record was written.
  // (Compared as booleans: a diff of such long texts would take ages.)
  EXPECT_TRUE(disk.files[InSite("index1.html")] == Records(names));
  EXPECT_TRUE(inputs.log == Log(names));
  EXPECT_FALSE(disk.files.contains(InSite("index.html")));
}

TEST(GenerateIndexesOverflowTest, APageNumberOverflowKeepsTheRecordBeforeIt) {
  std::vector<std::string> names;
  for (int i = 0; i < 32767; ++i) names.push_back("f" + std::to_string(i));
  testing::FakeDisk disk;
  disk.AddFolder(std::string(testing::kRootFolder), names);
  FakeRun inputs;
  inputs.folder_path = testing::kRootFolder;
  inputs.paging_on = true;
  inputs.links_per_page_text = "1";
  EXPECT_EQ(RunGeneration(inputs, disk), 6);
  EXPECT_EQ(disk.files[std::string(testing::kRootFolder) + "index32767.html"],
            Records({names.back()}));
  EXPECT_EQ(disk.files.size(), 32767u);
  EXPECT_TRUE(inputs.log == Log(names));
}

}  // namespace
}  // namespace quillfold
