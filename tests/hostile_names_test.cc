// Names at the edges of what a file system allows, through the real
// command line: each must come back from its record's target and its text,
// in listing order, and the log must show it unchanged.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "testing/cli_process.h"
#include "testing/expected_run.h"
#include "testing/folder_snapshot.h"
#include "testing/link_record_decoder.h"
#include "testing/temp_folder.h"
#include "testing/test_name.h"

namespace quillfold {
namespace {

using testing::DecodedPage;
using testing::DecodePage;
using testing::ExpectedRecords;
using testing::FirstDifference;
using testing::FolderBytes;
using testing::Grown;
using testing::HostileResult;
using testing::ListedFiles;
using testing::MakeEmptyFiles;
using testing::RunHostile;
using testing::SnapshotFolder;
using testing::TempFolder;

constexpr int kLinksPerPage = 7;

std::string Repeated(std::string_view piece, std::size_t bytes) {
  std::string text;
  while (text.size() + piece.size() <= bytes) text += piece;
  return text;
}

std::vector<std::string> LongestNames() {
  return {Repeated("a", 255),    Repeated("%", 255),
          Repeated("<", 255),    Repeated("\xC3\xA9", 254) + "x",  // "é", then one ASCII byte
          Repeated("\x01", 255), Repeated("&", 255)};
}

// Every byte but "/" (and NUL, which no name holds): once as a name of its
// own ("." alone names the folder itself, so it appears only inside longer
// names), and all together spread over names of 31 bytes.
std::vector<std::string> EveryByteNames() {
  std::vector<std::string> names;
  std::string all;
  for (int byte = 0x01; byte <= 0xFF; ++byte) {
    if (byte == '/') continue;
    all += static_cast<char>(byte);
    if (byte != '.') names.emplace_back(1, static_cast<char>(byte));
  }
  for (std::size_t at = 0; at < all.size(); at += 31) names.push_back("x" + all.substr(at, 31));
  return names;
}

struct NamesRow {
  std::string what;
  std::vector<std::string> files;
  std::vector<std::string> folders;  // Sub-folders, which are never linked.
  std::optional<std::string> filter;
};

const NamesRow kRows[] = {
    {"names at the length limit", LongestNames(), {}, std::nullopt},
    {"every byte but the slash", EveryByteNames(), {}, std::nullopt},
    {"names that differ only in case",
     {"readme", "README", "ReadMe", "a", "A", "\xC3\xA4", "\xC3\x84"},
     {},
     std::nullopt},
    {"a case-sensitive filter", {"readme", "README", "ReadMe", "xREADx"}, {}, "README"},
    {"a filter of raw bytes", EveryByteNames(), {}, "\x7F\x80"},
    {"a folder holding only sub-folders", {}, {"a", "b c", "index1.html", ".hidden"}, std::nullopt},
};

void PrintTo(const NamesRow& row, std::ostream* out) { *out << row.what; }

class HostileNamesTest : public ::testing::TestWithParam<NamesRow> {};

TEST_P(HostileNamesTest, EveryNameComesBackFromItsRecord) {
  const NamesRow& row = GetParam();
  TempFolder folder;
  MakeEmptyFiles(folder.path(), row.files);
  for (const std::string& sub : row.folders) mkdir((folder / sub).c_str(), 0755);
  std::vector<std::string> linked = ListedFiles(folder.path());
  ASSERT_EQ(linked.size(), row.files.size()) << "the test could not make every file";
  std::vector<std::string> arguments{QUILLFOLD_CLI_PATH, "--paging", "--links-per-page",
                                     std::to_string(kLinksPerPage)};
  if (row.filter) {
    arguments.insert(arguments.end(), {"--filter", *row.filter});
    std::erase_if(linked, [&](const std::string& name) {
      return name.find(*row.filter) == std::string::npos;
    });
    ASSERT_FALSE(linked.empty()) << "a filter row must keep some names";
    ASSERT_LT(linked.size(), row.files.size()) << "a filter row must drop some names";
  }
  arguments.push_back(folder.path());
  const FolderBytes before = SnapshotFolder(folder.path());

  const HostileResult result = RunHostile(arguments);

  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(result.err, "");
  std::string log;
  for (const std::string& name : linked) log += name + "\n";
  EXPECT_EQ(result.out, log);
  const FolderBytes after = SnapshotFolder(folder.path());
  // Read back apart from the writer: each page decodes to its slice of names.
  for (std::size_t first = 0; first < linked.size(); first += kLinksPerPage) {
    const std::string page = "index" + std::to_string(first / kLinksPerPage + 1) + ".html";
    ASSERT_TRUE(after.contains(page)) << page;
    const DecodedPage decoded = DecodePage(after.at(page));
    EXPECT_EQ(decoded.record_bytes, after.at(page).size()) << page << " holds a broken record";
    EXPECT_TRUE(decoded.all_decoded) << page;
    const std::vector<std::string> slice(
        linked.begin() + first, linked.begin() + std::min(first + kLinksPerPage, linked.size()));
    EXPECT_EQ(decoded.names, slice) << page;
  }
  // And byte for byte: nothing but the records was added anywhere.
  EXPECT_EQ(FirstDifference(Grown(before, ExpectedRecords(linked, kLinksPerPage)), after), "");
}

INSTANTIATE_TEST_SUITE_P(Rows, HostileNamesTest, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<NamesRow>& info) {
                           return testing::TestName(info.param.what);
                         });

}  // namespace
}  // namespace quillfold
