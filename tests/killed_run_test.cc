// A run ended halfway through a large folder. Killed outright (SIGKILL, as
// by the kernel's out-of-memory killer or a pulled plug of the process),
// what reached the disk must be whole records in order, except at most the
// last record of the last page written, and every old byte must still be
// there. Ended by a signal that can wait (Ctrl+C, a termination request, a
// closed terminal), at any moment, every page holds its old bytes and whole
// records only.

#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "testing/cli_process.h"
#include "testing/expected_run.h"
#include "testing/folder_snapshot.h"
#include "testing/link_record_decoder.h"
#include "testing/memory_file_system.h"
#include "testing/temp_folder.h"

namespace quillfold {
namespace {

using testing::ExpectedRecords;
using testing::FolderBytes;
using testing::HostileResult;
using testing::HostileStart;
using testing::ListedFiles;
using testing::MakeEmptyFiles;
using testing::RunHostile;
using testing::SnapshotFolder;
using testing::TempFolder;
using testing::WriteFile;

constexpr int kFiles = 200000;
constexpr int kLinksPerPage = 95;

std::string PageName(int page) { return "index" + std::to_string(page) + ".html"; }

// Puts `count` empty files named PREFIX0, PREFIX1, ... into `folder`.
void MakeFiles(const TempFolder& folder, const std::string& prefix, int count) {
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) names.push_back(prefix + std::to_string(i));
  MakeEmptyFiles(folder.path(), names);
}

TEST(KilledRunTest, LeavesWholeRecordsInOrderAndEveryOldByte) {
  testing::PreferMemoryFileSystem(kFiles);
  TempFolder folder;
  MakeFiles(folder, "killed-", kFiles);
  // Old pages, among them one the run reaches late and the master index.
  WriteFile(folder / PageName(1), "old first page\r\n");
  WriteFile(folder / PageName(2000), std::string("\0\xFF binary", 9));
  WriteFile(folder / "index.html", "\xEF\xBB\xBFold master");
  const std::vector<std::string> listed = ListedFiles(folder.path());
  const FolderBytes before = SnapshotFolder(folder.path());
  const FolderBytes full_run = ExpectedRecords(listed, kLinksPerPage);

  // The log reaches standard output in blocks of 64 KiB once their records
  // are in their files; the first block comes after a few thousand names,
  // long before the run's end.
  HostileStart start;
  start.kill_after_stdout_bytes = 1;
  const HostileResult result = RunHostile({QUILLFOLD_CLI_PATH, "--paging", "--links-per-page",
                                           std::to_string(kLinksPerPage), folder.path()},
                                          start);
  ASSERT_EQ(result.signal, SIGKILL) << "the run ended before it was killed: " << result.err;

  const FolderBytes after = SnapshotFolder(folder.path());
  for (const auto& [name, bytes] : before) EXPECT_TRUE(after.contains(name)) << name << " is gone";
  // What each file gained must be the start of what a whole run would have
  // appended to it: records in order, and nothing else.
  int last_page = 0;
  for (const auto& [name, bytes] : after) {
    const std::string old_bytes = before.contains(name) ? before.at(name) : "";
    ASSERT_TRUE(bytes.starts_with(old_bytes)) << name << " lost old bytes";
    if (bytes.size() == old_bytes.size()) continue;
    ASSERT_TRUE(full_run.contains(name)) << name << " gained bytes but no run writes to it";
    ASSERT_NE(name, "index.html") << "the master index was written before the pages were done";
    ASSERT_TRUE(full_run.at(name).starts_with(std::string_view(bytes).substr(old_bytes.size())))
        << name << " gained bytes a run would not write";
    last_page = std::max(last_page, std::stoi(name.substr(5)));
  }
  ASSERT_GT(last_page, 0) << "the run was killed before it wrote anything";
  EXPECT_LT(last_page, static_cast<int>(full_run.size()) - 1)
      << "the run reached its last page, so the kill proves nothing";
  // Pages are written one after the other: every page before the last one
  // written is complete.
  for (int page = 1; page < last_page; ++page) {
    const std::string name = PageName(page);
    const std::string old_bytes = before.contains(name) ? before.at(name) : "";
    EXPECT_TRUE(after.at(name) == old_bytes + full_run.at(name))
        << name << " is incomplete although a later page was written";
  }

  // Every name the log showed has its whole record on disk, in log order.
  const std::string last_name = PageName(last_page);
  const std::size_t last_old = before.contains(last_name) ? before.at(last_name).size() : 0;
  const testing::DecodedPage last = testing::DecodePage(after.at(last_name).substr(last_old));
  EXPECT_TRUE(last.all_decoded);
  const std::size_t whole_records =
      static_cast<std::size_t>(last_page - 1) * kLinksPerPage + last.names.size();
  std::size_t logged = 0;
  std::size_t at = 0;
  for (std::size_t end; (end = result.out.find('\n', at)) != std::string::npos; at = end + 1) {
    ASSERT_LT(logged, listed.size());
    EXPECT_EQ(result.out.substr(at, end - at), listed[logged]);
    ++logged;
  }
  EXPECT_GT(logged, 0u);
  EXPECT_LE(logged, whole_records) << "a name was logged before its record reached its file";
}

constexpr int kSignalledFiles = 50000;
constexpr int kTrialsPerSignal = 8;

// The pages of a folder and what they hold; the other files stay empty.
FolderBytes Pages(const std::string& folder) {
  FolderBytes pages;
  for (const std::string& name : ListedFiles(folder)) {
    if (name.starts_with("index")) pages[name] = testing::ReadFile(folder + "/" + name);
  }
  return pages;
}

TEST(KilledRunTest, AnEndingSignalAtAnyMomentLeavesWholeRecordsOnly) {
  testing::PreferMemoryFileSystem(kSignalledFiles);
  TempFolder folder;
  MakeFiles(folder, "signalled-", kSignalledFiles);
  WriteFile(folder / PageName(1), "old first page without a line end");
  const std::vector<std::string> arguments = {QUILLFOLD_CLI_PATH, "--paging", "--links-per-page",
                                              "200", folder.path()};
  // How long a whole run lasts from its first printed names: the signals
  // come at random moments within it.
  const auto started = std::chrono::steady_clock::now();
  ASSERT_EQ(RunHostile(arguments).exit_code, 0);
  const auto run_microseconds = std::chrono::duration_cast<std::chrono::microseconds>(
                                    std::chrono::steady_clock::now() - started)
                                    .count();
  std::mt19937 random(std::random_device{}());
  long latest = run_microseconds / 2;
  for (const int signal_number : {SIGINT, SIGTERM, SIGHUP}) {
    for (int trial = 0; trial < kTrialsPerSignal;) {
      HostileStart start;
      start.kill_after_stdout_bytes = 1;
      start.kill_signal = signal_number;
      start.kill_delay_microseconds = std::uniform_int_distribution<long>(0, latest)(random);
      SCOPED_TRACE(std::string(strsignal(signal_number)) + " after " +
                   std::to_string(start.kill_delay_microseconds) + " us of a run of " +
                   std::to_string(run_microseconds) + " us");
      const FolderBytes before = Pages(folder.path());
      const HostileResult result = RunHostile(arguments, start);
      if (result.exit_code == 0) {
        // The run ended before its signal, which proves nothing: sooner.
        ASSERT_GT(latest, 1) << "every run ended before its signal";
        latest /= 2;
        continue;
      }
      ASSERT_EQ(result.signal, signal_number) << result.err;
      ++trial;

      // Each page gained nothing, or whole records.
      for (const auto& [name, bytes] : Pages(folder.path())) {
        const std::string old_bytes = before.contains(name) ? before.at(name) : "";
        ASSERT_TRUE(bytes.starts_with(old_bytes)) << name << " lost old bytes";
        const std::string gained = bytes.substr(old_bytes.size());
        const testing::DecodedPage page = testing::DecodePage(gained);
        const std::vector<std::string> decoded(page.names.begin(), page.names.end());
        ASSERT_TRUE(ExpectedRecords(decoded, 0)["index1.html"] == gained)
            << name << " ends inside a record: ..."
            << gained.substr(gained.size() - std::min<std::size_t>(gained.size(), 40));
      }
    }
  }
}

}  // namespace
}  // namespace quillfold
