// The window's error report for each class of failure a run can meet: the
// number, the text and the detail naming the file, with the log of the names
// linked before the failure behind it.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <functional>
#include <memory>
#include <string>

#include "testing/fake_disk.h"
#include "testing/memory_file_system.h"
#include "testing/temp_folder.h"
#include "window/qt/folder_list.h"
#include "window/qt/main_window.h"
#include "window/qt/tests/window_test_support.h"

namespace quillfold {
namespace {

using testing::Find;

struct Fault {
  const char* what;
  // Prepares the fault in the folder the run will use, holding "a.txt".
  std::function<void(const std::string& site, testing::FakeDisk& disk)> prepare;
  bool fake_disk;  // Whether the run writes through the fake disk.
  const char* links_per_page;
  QString report;
  // The detail, given the folder; empty when only the report is checked.
  std::function<std::string(const std::string& site)> detail;
  QString log;
};

std::string Reason(const std::string& path, int errno_value) {
  return path + ": " + std::strerror(errno_value);
}

void FakeOpenError(const std::string& site, testing::FakeDisk& disk, int errno_value) {
  disk.open_errors[site + "/index1.html"] = errno_value;
}

const Fault kFaults[] = {
    {"links per page is no number", [](auto&, auto&) {}, false, "abc", "Error 13: Type mismatch",
     [](auto&) { return std::string("\"abc\" is not a number"); }, "earlier log"},
    {"the link counter passes 32767",
     [](const std::string& site, auto&) {
       for (int i = 1; i < 32767; ++i)
         testing::WriteFile(site + "/" + std::to_string(i) + ".txt", "");
     },
     false, "0", "Error 6: Overflow",
     [](auto&) { return std::string("link counter passes 32767"); }, ""},
    {"the folder was deleted after it was opened",
     [](const std::string& site, auto&) {
       unlink((site + "/a.txt").c_str());
       rmdir(site.c_str());
     },
     false, "95", "Error 76: Path not found", [](auto& site) { return Reason(site, ENOENT); }, ""},
    {"a page file that is a folder",
     [](const std::string& site, auto&) { mkdir((site + "/index1.html").c_str(), 0755); }, false,
     "95", "Error 75: Path/File access error",
     [](auto& site) { return site + "/index1.html is a folder"; }, "a.txt\n"},
    {"a full disk", [](auto&, auto& disk) { disk.space = 0; }, true, "95", "Error 61: Disk full",
     [](auto& site) { return Reason(site + "/index1.html", ENOSPC); }, "a.txt\n"},
    {"access denied", [](auto& site, auto& disk) { FakeOpenError(site, disk, EACCES); }, true, "95",
     "Error 70: Permission denied",
     [](auto& site) { return Reason(site + "/index1.html", EACCES); }, "a.txt\n"},
    {"no file descriptors left", [](auto& site, auto& disk) { FakeOpenError(site, disk, EMFILE); },
     true, "95", "Error 67: Too many files",
     [](auto& site) { return Reason(site + "/index1.html", EMFILE); }, "a.txt\n"},
    {"the device fails", [](auto&, auto& disk) { disk.close_error = EIO; }, true, "95",
     "Error 57: Device I/O error", [](auto& site) { return Reason(site + "/index1.html", EIO); },
     "a.txt\n"},
};

TEST(ErrorReportTest, EachClassOfFailureIsReportedWithItsFileAndTheLogSoFar) {
  testing::PreferMemoryFileSystem(40000);  // The counter overflow needs 32,767 files.
  for (const Fault& fault : kFaults) {
    SCOPED_TRACE(fault.what);
    testing::TempFolder temp;
    const std::string site = temp / "site";
    ASSERT_EQ(mkdir(site.c_str(), 0755), 0);
    testing::WriteFile(site + "/a.txt", "");
    testing::CurrentDirectory cwd(temp.path());
    testing::FakeDisk fake_disk;
    fake_disk.AddFolder(site, {"a.txt"});
    MainWindow window(nullptr, fault.fake_disk ? static_cast<Disk&>(fake_disk) : SystemDisk());
    testing::ShowActive(window);
    testing::DoubleClickLine(Find<FolderList>(window, "Dir1"), "site");
    // Only the ".txt" names: page files a fault puts in the folder stay out.
    testing::ClickCheckBox(Find<QCheckBox>(window, "Check1"));
    testing::TypeReplacing(Find(window, "Text2"), ".txt");
    testing::ClickCheckBox(Find<QCheckBox>(window, "Check2"));
    testing::TypeReplacing(Find(window, "Text3"), fault.links_per_page);
    auto* log = Find<QPlainTextEdit>(window, "Text1");
    testing::TypeReplacing(log, "earlier log");
    fault.prepare(site, fake_disk);

    testing::ReportCapture capture;
    QTest::mouseClick(Find(window, "Command1"), Qt::LeftButton);
    testing::WaitForLog(window);
    ASSERT_EQ(capture.reports.size(), 1u);
    EXPECT_EQ(capture.reports[0].title, "Quillfold");
    EXPECT_EQ(capture.reports[0].text, fault.report);
    EXPECT_EQ(capture.reports[0].detail.toStdString(), fault.detail(site));
    EXPECT_EQ(capture.reports[0].buttons, QMessageBox::Ok);
    if (std::string(fault.what).find("counter") == std::string::npos) {
      EXPECT_EQ(log->toPlainText(), fault.log);
    } else {
      EXPECT_EQ(log->toPlainText().count('\n'), 32767);
    }
  }
}

}  // namespace
}  // namespace quillfold
