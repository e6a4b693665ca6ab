// The fault matrix: the real quillfold-cli against real faults. Each row
// checks the error number and text, the detail naming the file, the log
// lines printed before the failure, and every byte of every file that was
// there before: unchanged, with new records only after the old bytes where
// the run got to write them. A full disk inside a record, at every byte, is
// whole_records_test.cc's.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "testing/cli_process.h"
#include "testing/deep_folder.h"
#include "testing/expected_run.h"
#include "testing/folder_lock.h"
#include "testing/folder_snapshot.h"
#include "testing/memory_file_system.h"
#include "testing/temp_folder.h"
#include "testing/test_name.h"

namespace quillfold {
namespace {

using testing::DeepFolder;
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

// Whether this build, and so the program under test, runs under the
// sanitizers.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
constexpr bool kSanitized = __has_feature(address_sanitizer);
#else
constexpr bool kSanitized = false;
#endif

// The longest path the system takes, without its terminating NUL.
constexpr std::size_t kLongestPath = PATH_MAX - 1;

HostileResult RunCli(const std::vector<std::string>& arguments, const HostileStart& start = {}) {
  std::vector<std::string> argv{QUILLFOLD_CLI_PATH};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  return RunHostile(argv, start);
}

std::vector<std::string> Numbered(const std::string& prefix, int count) {
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) names.push_back(prefix + std::to_string(i));
  return names;
}

std::vector<std::string> First(const std::vector<std::string>& names, std::size_t count) {
  return {names.begin(), names.begin() + std::min(count, names.size())};
}

std::string LogOf(const std::vector<std::string>& names) {
  std::string log;
  for (const std::string& name : names) log += name + "\n";
  return log;
}

// What a row sets up, and what it expects of the run.
struct Scene {
  std::string folder;  // Where the run lists and writes.
  std::vector<std::string> arguments;
  HostileStart start;
  int error = 0;  // 0: the run must succeed.
  std::string detail;
  // For a run that writes every record but cannot print every name: the
  // reason it gives.
  std::string unprinted_reason;
  std::vector<std::string> log;
  FolderBytes added;  // What the run appends to each file.
  // A folder nested past the usual tools' reach, removed before the
  // temporary folder that holds it.
  std::unique_ptr<DeepFolder> deep;
  // The lock of another run on the folder, held while the row runs.
  std::unique_ptr<testing::FolderLock> other_run;
};

struct FaultRow {
  std::string what;
  std::string text;  // The error's text; empty for a run that must succeed.
  // Builds the scene inside a fresh temporary folder.
  std::function<void(const TempFolder& base, Scene& scene)> prepare;
};

// A row's folder: a sub-folder of the temporary one, so that the row can
// also remove or restrict it.
std::string MakeFolder(const TempFolder& base, const std::vector<std::string>& names) {
  const std::string folder = base / "folder";
  mkdir(folder.c_str(), 0777);
  chmod(folder.c_str(), 0777);
  MakeEmptyFiles(folder, names);
  return folder;
}

// A run on 20,000 files started with one standard descriptor closed. The
// first file the program opened used to take the closed descriptor's place,
// so log lines went into a page; every page must hold whole records only,
// and a closed standard output is reported like an unwritable one.
std::function<void(const TempFolder&, Scene&)> ClosedAtStart(int fd, bool paging) {
  return [fd, paging](const TempFolder& base, Scene& s) {
    s.folder = MakeFolder(base, Numbered("closed-", 20000));
    const std::vector<std::string> names = ListedFiles(s.folder);
    s.arguments = {s.folder};
    if (paging) s.arguments.insert(s.arguments.begin(), "--paging");
    s.start.closed_descriptors = {fd};
    if (fd == STDOUT_FILENO) {
      s.unprinted_reason = "Bad file descriptor";
    } else {
      s.log = names;
    }
    s.added = ExpectedRecords(names, paging ? 95 : 0);
  };
}

const FaultRow kRows[] = {
    {"missing folder", "Path not found",
     [](const TempFolder& base, Scene& s) {
       s.folder = base / "never-made";
       s.arguments = {"--paging", s.folder};
       s.error = 76;
       s.detail = s.folder + ": No such file or directory";
     }},
    {"folder deleted between two runs", "Path not found",
     [](const TempFolder& base, Scene& s) {
       s.folder = MakeFolder(base, {"a", "b"});
       const HostileResult first = RunCli({s.folder});
       ASSERT_EQ(first.exit_code, 0) << first.err;
       std::filesystem::remove_all(s.folder);
       s.arguments = {s.folder};
       s.error = 76;
       s.detail = s.folder + ": No such file or directory";
     }},
    {"unreadable folder, as an unprivileged user", "Permission denied",
     [](const TempFolder& base, Scene& s) {
       s.folder = MakeFolder(base, {"a", "b"});
       WriteFile(s.folder + "/index1.html", "old page\r\n");
       chmod(s.folder.c_str(), 0333);
       s.arguments = {s.folder};
       s.start.as_nobody = true;
       s.error = 70;
       s.detail = s.folder + ": Permission denied";
     }},
    {"read-only folder, as an unprivileged user", "Permission denied",
     [](const TempFolder& base, Scene& s) {
       s.folder = MakeFolder(base, {"a", "b"});
       chmod(s.folder.c_str(), 0555);
       s.arguments = {s.folder};
       s.start.as_nobody = true;
       s.error = 70;
       s.detail = s.folder + "/index1.html: Permission denied";
       s.log = First(ListedFiles(s.folder), 1);
     }},
    {"read-only second page, as an unprivileged user", "Permission denied",
     [](const TempFolder& base, Scene& s) {
       s.folder = MakeFolder(base, {"a", "b", "c"});
       WriteFile(s.folder + "/index2.html", "kept\r\n");
       chmod((s.folder + "/index2.html").c_str(), 0444);
       const std::vector<std::string> names = ListedFiles(s.folder);
       s.arguments = {"--paging", "--links-per-page", "2", s.folder};
       s.start.as_nobody = true;
       s.error = 70;
       s.detail = s.folder + "/index2.html: Permission denied";
       s.log = First(names, 3);
       s.added = ExpectedRecords(First(names, 2), 0);
     }},
    {"a page file that is a folder", "Path/File access error",
     [](const TempFolder& base, Scene& s) {
       s.folder = MakeFolder(base, {"a", "b", "c", "d"});
       mkdir((s.folder + "/index2.html").c_str(), 0777);
       WriteFile(s.folder + "/index1.html", "old\r\n");
       const std::vector<std::string> names = ListedFiles(s.folder);
       s.arguments = {"--paging", "--links-per-page", "2", s.folder};
       s.error = 75;
       s.detail = s.folder + "/index2.html is a folder";
       s.log = First(names, 3);
       s.added = ExpectedRecords(First(names, 2), 0);
     }},
    {"a page file that is a symbolic link to another file", "Path/File access error",
     [](const TempFolder& base, Scene& s) {
       s.folder = MakeFolder(base, {"a", "b", "c"});
       WriteFile(s.folder + "/victim.txt", "the victim's own bytes\n");
       ASSERT_EQ(symlink("victim.txt", (s.folder + "/index2.html").c_str()), 0);
       // The link is listed and linked like the file it points to.
       const std::vector<std::string> names = ListedFiles(s.folder);
       s.arguments = {"--paging", "--links-per-page", "2", s.folder};
       s.error = 75;
       s.detail = s.folder + "/index2.html is a symbolic link";
       s.log = First(names, 3);
       s.added = ExpectedRecords(First(names, 2), 0);
     }},
    {"a master index that is a symbolic link", "Path/File access error",
     [](const TempFolder& base, Scene& s) {
       s.folder = MakeFolder(base, {"a", "b", "c"});
       WriteFile(s.folder + "/victim.txt", "the victim's own bytes\n");
       ASSERT_EQ(symlink("victim.txt", (s.folder + "/index.html").c_str()), 0);
       const std::vector<std::string> names = ListedFiles(s.folder);
       s.arguments = {"--paging", "--links-per-page", "3", s.folder};
       s.error = 75;
       s.detail = s.folder + "/index.html is a symbolic link";
       s.log = names;
       s.added = ExpectedRecords(names, 3);
       s.added.erase("index.html");
     }},
    {"a page file that is a device", "Path/File access error",
     [](const TempFolder& base, Scene& s) {
       s.folder = MakeFolder(base, {"a", "b"});
       // The device of /dev/null: writing to it would lose the records.
       if (mknod((s.folder + "/index1.html").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
         GTEST_SKIP() << "no device nodes can be made here";
       }
       s.arguments = {s.folder};
       s.error = 75;
       s.detail = s.folder + "/index1.html is a device";
       s.log = First(ListedFiles(s.folder), 1);
     }},
    {"a folder whose page files lie past the system's path limit", "",
     [](const TempFolder& base, Scene& s) {
       // The folder's own path fits; "/index1.html" takes its pages past it.
       s.deep = std::make_unique<DeepFolder>(base.path(), kLongestPath - 5);
       s.deep->MakeFiles({"a", "b"});
       s.folder = s.deep->path();
       const std::vector<std::string> names = ListedFiles(s.folder);
       s.arguments = {"--paging", "--links-per-page", "1", s.folder};
       s.log = names;
       s.added = ExpectedRecords(names, 1);
     }},
    {"a folder path past the system's limit", "",
     [](const TempFolder& base, Scene& s) {
       s.deep = std::make_unique<DeepFolder>(base.path(), kLongestPath + 10);
       s.deep->MakeFiles({"a"});
       s.folder = s.deep->path();
       s.arguments = {"--paging", s.folder};
       s.log = {"a"};
       s.added = ExpectedRecords({"a"}, 95);
     }},
    {"the current folder past the system's path limit, given as .", "",
     [](const TempFolder& base, Scene& s) {
       s.deep = std::make_unique<DeepFolder>(base.path(), 4446);
       s.deep->MakeFiles({"a", "b"});
       s.folder = s.deep->path();
       s.start.working_directory = s.folder;
       const std::vector<std::string> names = ListedFiles(s.folder);
       s.arguments = {"--paging", "."};
       s.log = names;
       s.added = ExpectedRecords(names, 95);
     }},
    {"a file size limit the program was not started to ignore", "Disk full",
     [](const TempFolder& base, Scene& s) {
       // As `ulimit -f` in a shell: the limit's signal would end the program
       // in the middle of a record.
       s.folder = MakeFolder(base, Numbered("limit-", 2000));
       WriteFile(s.folder + "/index1.html", "old page\r\n");
       std::vector<std::string> names = ListedFiles(s.folder);
       std::erase(names, "index1.html");
       const std::string old_page = "old page\r\n";
       const std::vector<std::string> fitting = First(names, 100);
       s.start.file_size_limit = static_cast<long long>(
           old_page.size() + ExpectedRecords(fitting, 0)["index1.html"].size() + 30);
       s.start.file_size_signal_ignored = false;
       s.arguments = {"--filter", "limit-", s.folder};
       s.error = 61;
       s.detail = s.folder + "/index1.html: File too large";
       s.log = First(names, 101);
       s.added = ExpectedRecords(fitting, 0);
     }},
    {"another run writing in the folder", "Permission denied",
     [](const TempFolder& base, Scene& s) {
       s.folder = MakeFolder(base, {"a", "b"});
       WriteFile(s.folder + "/index1.html", "old page\r\n");
       s.arguments = {"--paging", s.folder};
       // The other run's lock, held by this test until the row is done.
       s.other_run = std::make_unique<testing::FolderLock>(s.folder);
       s.error = 70;
       s.detail = "another Quillfold run is writing in " + s.folder;
     }},
    {"no file descriptors left", "Too many files",
     [](const TempFolder& base, Scene& s) {
       if (kSanitized) {
         // UndefinedBehaviorSanitizer checks the error's dynamic type by
         // probing memory through a pipe; with no descriptor left for it, it
         // reports an invalid vptr instead of the program's error.
         GTEST_SKIP() << "the sanitizers need descriptors of their own";
       }
       s.folder = MakeFolder(base, {"a", "b"});
       s.arguments = {s.folder};
       // Standard input, output and error take all three, so the folder's
       // own descriptor is the one too many.
       s.start.open_files_limit = 3;
       s.error = 67;
       s.detail = s.folder + ": Too many open files";
     }},
    {"page number overflow at 32,767 pages", "Overflow",
     [](const TempFolder& base, Scene& s) {
       s.folder = MakeFolder(base, Numbered("f", 32767));
       WriteFile(s.folder + "/index1.html", "old first page\r\n");
       const std::vector<std::string> names = ListedFiles(s.folder);
       std::vector<std::string> linked = names;
       std::erase(linked, "index1.html");
       s.arguments = {"--filter", "f", "--paging", "--links-per-page", "1", s.folder};
       s.error = 6;
       s.detail = "page number passes 32767";
       s.log = linked;
       // Every page is written, index32767.html last; the master index never.
       s.added = ExpectedRecords(linked, 1);
       s.added.erase("index.html");
     }},
    {"link counter overflow at 32,767 links", "Overflow",
     [](const TempFolder& base, Scene& s) {
       s.folder = MakeFolder(base, Numbered("n", 32768));
       std::vector<std::string> linked = ListedFiles(s.folder);
       linked.resize(32767);
       s.arguments = {"--paging", "--links-per-page", "0", s.folder};
       s.error = 6;
       s.detail = "link counter passes 32767";
       s.log = linked;
       s.added = ExpectedRecords(linked, 0);
     }},
    {"pages that already hold binary content and a byte-order mark", "",
     [](const TempFolder& base, Scene& s) {
       s.folder = MakeFolder(base, Numbered("b", 5));
       std::string binary;
       for (int byte = 255; byte >= 0; --byte) binary += static_cast<char>(byte);
       WriteFile(s.folder + "/index1.html", binary);
       WriteFile(s.folder + "/index2.html", "\xEF\xBB\xBF");
       WriteFile(s.folder + "/index.html", "\xEF\xBB\xBF<html>\r");
       std::vector<std::string> linked = ListedFiles(s.folder);
       std::erase_if(linked, [](const std::string& name) { return name[0] != 'b'; });
       s.arguments = {"--filter", "b", "--paging", "--links-per-page", "2", s.folder};
       s.log = linked;
       s.added = ExpectedRecords(linked, 2);
     }},
    {"standard output closed at start", "", ClosedAtStart(STDOUT_FILENO, false)},
    {"standard output closed at start, paging", "", ClosedAtStart(STDOUT_FILENO, true)},
    {"standard error closed at start", "", ClosedAtStart(STDERR_FILENO, false)},
    {"standard error closed at start, paging", "", ClosedAtStart(STDERR_FILENO, true)},
    {"standard input closed at start", "", ClosedAtStart(STDIN_FILENO, false)},
    {"standard input closed at start, paging", "", ClosedAtStart(STDIN_FILENO, true)},
    {"a standard output closed after the first line", "",
     [](const TempFolder& base, Scene& s) {
       s.folder = MakeFolder(base, Numbered("line-", 30000));
       const std::vector<std::string> names = ListedFiles(s.folder);
       s.arguments = {"--paging", s.folder};
       s.start.stdout_lines_read = 1;
       s.log = First(names, 1);
       s.added = ExpectedRecords(names, 95);
     }},
};

// Rows show as their words in test output, not as bytes.
void PrintTo(const FaultRow& row, std::ostream* out) { *out << row.what; }

class FaultMatrixTest : public ::testing::TestWithParam<FaultRow> {};

TEST_P(FaultMatrixTest, ReportsTheFaultAndKeepsEveryOldByte) {
  const FaultRow& row = GetParam();
  testing::PreferMemoryFileSystem(32768);
  TempFolder base;
  Scene scene;
  row.prepare(base, scene);
  if (::testing::Test::HasFatalFailure() || ::testing::Test::IsSkipped()) return;
  const FolderBytes before = SnapshotFolder(scene.folder);

  const HostileResult result = RunCli(scene.arguments, scene.start);

  if (!scene.unprinted_reason.empty()) {
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_EQ(result.err, "quillfold-cli: the list of linked names is incomplete: " +
                              scene.unprinted_reason + "\n");
  } else if (scene.error == 0) {
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(result.err, "");
  } else {
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_EQ(result.err, "quillfold-cli: error " + std::to_string(scene.error) + ": " + row.text +
                              "\nquillfold-cli: " + scene.detail + "\n");
  }
  // Compared as booleans first: a diff of 32,767 lines would take ages.
  const std::string expected_log = LogOf(scene.log);
  EXPECT_TRUE(result.out == expected_log)
      << "log of " << result.out.size() << " bytes, expected " << expected_log.size() << "; starts "
      << result.out.substr(0, 200);
  chmod(scene.folder.c_str(), 0777);  // Root reads it anyway; this is for the clean-up.
  EXPECT_EQ(FirstDifference(Grown(before, scene.added), SnapshotFolder(scene.folder)), "");
}

INSTANTIATE_TEST_SUITE_P(Rows, FaultMatrixTest, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<FaultRow>& info) {
                           return testing::TestName(info.param.what);
                         });

}  // namespace
}  // namespace quillfold
