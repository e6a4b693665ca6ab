#include "generation/record_output.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generation/link_record.h"
#include "runtime/error.h"
#include "runtime/path.h"
#include "testing/fake_disk.h"
#include "testing/fake_run_inputs.h"
#include "testing/system_values.h"

namespace quillfold {
namespace {

using testing::FakeDisk;
using testing::FakeRunInputs;

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
  FakeRunInputs log;
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

TEST(RecordOutputTest, AFullDiskEndsTheLogWithTheRecordItHit) {
  const std::vector<std::string> names = ManyNames(600);
  std::string whole_records;
  for (int i = 0; i < 250; ++i) whole_records += Record(names[i]);
  // Room for 250 whole records, with and without part of the next; they
  // span more than one buffer.
  for (const std::size_t space : {whole_records.size() + 10, whole_records.size()}) {
    SCOPED_TRACE(space);
    FakeDisk disk;
    disk.AddFolder("d", {});
    disk.space = space;
    FakeRunInputs log;
    log.Clear();
    const int number = ErrorNumberOf([&] {
      const Folder folder(disk, "d");
      RecordOutput output(folder, &log);
      for (const std::string& name : names) output.Append("p1", name, true);
      output.Close();
    });
    EXPECT_EQ(number, 61);
    EXPECT_TRUE(disk.files[In("p1")].substr(0, whole_records.size()) == whole_records);
    EXPECT_TRUE(log.log == LogOf(names, 251));
    EXPECT_EQ(disk.open_now(), 0);
  }
}

TEST(RecordOutputTest, AFailedOpenLogsItsEntryAfterTheEarlierFileIsComplete) {
  FakeDisk disk;
  disk.AddFolder("d", {});
  disk.open_errors[In("p2")] = testing::kAccessDeniedCode;
  FakeRunInputs log;
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
  FakeRunInputs log;
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
