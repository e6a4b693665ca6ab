#include "generation/record_output.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "generation/link_record.h"
#include "runtime/error.h"
#include "runtime/path.h"
#include "testing/fake_disk.h"
#include "testing/fake_run.h"
#include "testing/system_values.h"

namespace quillfold {
namespace {

using testing::FakeDisk;
using testing::FakeRun;

std::string Record(std::string_view name) {
  std::string record;
  AppendLinkRecord(record, name, name);
  return record;
}

// Names long enough that a few hundred of them fill the write buffer.
std::vector<std::string> ManyNames(int count) {
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) names.push_back(std::string(1000, 'a') + std::to_string(i));
  return names;
}

// The path of `name` in the folder "d" the tests write in.
std::string In(std::string_view name) {
  return std::string("d") + kPathSeparator + std::string(name);
}

int ErrorNumberOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Error& error) {
    return error.number();
  }
  return 0;
}

std::string LogOf(const std::vector<std::string>& names, std::size_t count) {
  std::string log;
  for (std::size_t i = 0; i < count; ++i) log += names[i] + "\r\n";
  return log;
}

TEST(RecordOutputTest, KeepsOneFileOpenAndWritesEachInOrder) {
  FakeDisk disk;
  disk.AddFolder("d", {});
  FakeRun log;
  log.Clear();
  const Folder folder(disk, "d");
  RecordOutput output(folder, &log);
  output.Append("p1", "a", true);
  output.Append("p1", "b", true);
  output.Append("p2", "c", true);
  output.Append("p2", "d", false);
  output.Close();
  EXPECT_EQ(disk.files[In("p1")], Record("a") + Record("b"));
  EXPECT_EQ(disk.files[In("p2")], Record("c") + Record("d"));
  EXPECT_EQ(log.log, "a\r\nb\r\nc\r\n");
  EXPECT_EQ(disk.most_open, 1);
  EXPECT_EQ(disk.open_now(), 0);
  EXPECT_EQ(disk.write_calls, 2);
}

// A write that fails inside a record cuts its page back to the old bytes and
// the whole records; the log ends with the record the failure hit, and a cut
// that fails as well is named in the error's detail.
TEST(RecordOutputTest, AFailedWriteCutsThePageBackToItsLastWholeRecord) {
  const std::vector<std::string> names = ManyNames(600);
  const auto records = [&names](std::size_t from, std::size_t count) {
    std::string bytes;
    for (std::size_t i = from; i < from + count; ++i) bytes += Record(names[i]);
    return bytes;
  };
  const struct {
    const char* what;
    std::size_t first_page;  // Records on "p1"; the rest go to "p2".
    std::size_t fitting;     // Whole records the disk takes,
    std::size_t extra;       // and bytes of the next one.
    int cut_error;
  } kCases[] = {
      {"inside a record, past one buffer", 600, 250, 10, 0},
      {"at the end of a record", 600, 250, 0, 0},
      {"inside the second page's first record", 2, 2, 1, 0},
      {"at the second page's first byte", 2, 2, 0, 0},
      {"inside a record, the cut refused", 2, 2, 1, testing::kIoErrorCode},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    FakeDisk disk;
    disk.AddFolder("d", {});
    disk.files[In("p1")] = disk.files[In("p2")] = "old";
    disk.space = records(0, c.fitting).size() + c.extra;
    disk.truncate_error = c.cut_error;
    FakeRun log;
    log.Clear();
    std::string detail;
    try {
      const Folder folder(disk, "d");
      RecordOutput output(folder, &log);
      for (std::size_t i = 0; i < names.size(); ++i) {
        output.Append(i < c.first_page ? "p1" : "p2", names[i], true);
      }
      output.Close();
      ADD_FAILURE() << "no error raised";
    } catch (const Error& error) {
      EXPECT_EQ(error.number(), 61);
      detail = error.detail();
    }
    const std::size_t on_first = std::min(c.fitting, c.first_page);
    std::string pages[] = {"old" + records(0, on_first),
                           "old" + records(c.first_page, c.fitting - on_first)};
    const std::size_t failed = c.fitting < c.first_page ? 0 : 1;
    std::string expected_detail =
        In(failed == 0 ? "p1" : "p2") + ": " + SystemErrorText(testing::kDiskFullCode);
    if (c.cut_error != 0) {
      pages[failed] += Record(names[c.fitting]).substr(0, c.extra);
      expected_detail += "; cutting it back to its last whole record failed: " +
                         SystemErrorText(testing::kIoErrorCode);
    }
    EXPECT_EQ(detail, expected_detail);
    EXPECT_TRUE(disk.files[In("p1")] == pages[0]);
    EXPECT_TRUE(disk.files[In("p2")] == pages[1]);
    EXPECT_TRUE(log.log == LogOf(names, c.fitting + 1));
    EXPECT_EQ(disk.open_now(), 0);
  }
}

TEST(RecordOutputTest, AFailedOpenLogsItsEntryAfterTheEarlierFileIsComplete) {
  FakeDisk disk;
  disk.AddFolder("d", {});
  disk.open_errors[In("p2")] = testing::kAccessDeniedCode;
  FakeRun log;
  log.Clear();
  EXPECT_EQ(ErrorNumberOf([&] {
              const Folder folder(disk, "d");
              RecordOutput output(folder, &log);
              output.Append("p1", "a", true);
              output.Append("p2", "b", true);
              output.Append("p2", "c", true);
            }),
            70);
  EXPECT_EQ(disk.files[In("p1")], Record("a"));
  EXPECT_EQ(log.log, "a\r\nb\r\n");
  EXPECT_EQ(disk.open_now(), 0);
}

TEST(RecordOutputTest, AFailedCloseIsRaisedAfterLogging) {
  FakeDisk disk;
  disk.AddFolder("d", {});
  disk.close_error = testing::kIoErrorCode;
  FakeRun log;
  log.Clear();
  EXPECT_EQ(ErrorNumberOf([&] {
              const Folder folder(disk, "d");
              RecordOutput output(folder, &log);
              output.Append("p1", "a", true);
              output.Close();
            }),
            57);
  EXPECT_EQ(log.log, "a\r\n");
}

}  // namespace
}  // namespace quillfold
