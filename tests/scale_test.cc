// A folder of a million files: the run completes within the memory bound
// and every name lands once, in listing order, on its page.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "testing/cli_process.h"
#include "testing/expected_run.h"
#include "testing/link_record_decoder.h"
#include "testing/memory_file_system.h"
#include "testing/temp_folder.h"

namespace quillfold {
namespace {

using testing::DecodedPage;
using testing::DecodePage;
using testing::ExpectedRecords;
using testing::FolderBytes;
using testing::HostileResult;
using testing::ListedFiles;
using testing::MakeEmptyFiles;
using testing::ReadFile;
using testing::RunHostile;
using testing::TempFolder;

constexpr int kFiles = 1'000'000;
constexpr int kLinksPerPage = 95;
constexpr long kPeakMemoryBoundKib = 150 * 1024;

TEST(ScaleTest, AMillionFilesEachOnceInOrderOnTheirPage) {
  testing::PreferMemoryFileSystem(kFiles);
  TempFolder folder;
  std::vector<std::string> names;
  names.reserve(kFiles);
  for (int i = 0; i < kFiles; ++i) names.push_back("file-" + std::to_string(i) + ".dat");
  MakeEmptyFiles(folder.path(), names);
  const std::vector<std::string> listed = ListedFiles(folder.path());
  ASSERT_EQ(listed.size(), names.size());

  const HostileResult result = RunHostile({QUILLFOLD_CLI_PATH, "--paging", "--links-per-page",
                                           std::to_string(kLinksPerPage), folder.path()});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  EXPECT_LT(result.peak_memory_kib, kPeakMemoryBoundKib);
  std::printf("[ figures  ] peak memory of the run: %ld KiB\n", result.peak_memory_kib);

  // The log, line by line.
  std::size_t line = 0;
  std::size_t at = 0;
  for (std::size_t end; (end = result.out.find('\n', at)) != std::string::npos; at = end + 1) {
    ASSERT_LT(line, listed.size()) << "more log lines than files";
    ASSERT_EQ(result.out.compare(at, end - at, listed[line]), 0) << "log line " << line;
    ++line;
  }
  EXPECT_EQ(at, result.out.size()) << "the log ends in the middle of a line";
  EXPECT_EQ(line, listed.size());

  // Each page, record by record, against the listing; then byte for byte.
  const FolderBytes expected = ExpectedRecords(listed, kLinksPerPage);
  const int pages = static_cast<int>(expected.size()) - 1;
  ASSERT_EQ(pages, (kFiles + kLinksPerPage - 1) / kLinksPerPage);
  for (int page = 1; page <= pages; ++page) {
    const std::string name = "index" + std::to_string(page) + ".html";
    const std::string bytes = ReadFile(folder / name);
    const DecodedPage decoded = DecodePage(bytes);
    ASSERT_EQ(decoded.record_bytes, bytes.size()) << name << " holds a broken record";
    ASSERT_TRUE(decoded.all_decoded) << name;
    const std::size_t first = static_cast<std::size_t>(page - 1) * kLinksPerPage;
    const std::size_t count = std::min<std::size_t>(kLinksPerPage, listed.size() - first);
    ASSERT_EQ(decoded.names.size(), count) << name;
    for (std::size_t i = 0; i < count; ++i) {
      ASSERT_EQ(decoded.names[i], listed[first + i]) << name << " record " << i;
    }
    ASSERT_TRUE(bytes == expected.at(name)) << name;
  }
  EXPECT_FALSE(std::filesystem::exists(folder / ("index" + std::to_string(pages + 1) + ".html")));
  EXPECT_TRUE(ReadFile(folder / "index.html") == expected.at("index.html"));
}

}  // namespace
}  // namespace quillfold
