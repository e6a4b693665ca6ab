#include "cli/log_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/path.h"
#include "testing/system_values.h"

namespace quillfold {
namespace {

// Keeps each write; fails the writes with the codes in `failures`, in turn.
struct RecordingOutput : TextOutput {
  std::vector<std::string> writes;
  std::vector<int> failures;

  int Write(std::string_view text) override {
    writes.emplace_back(text);
    if (writes.size() > failures.size()) return 0;
    return failures[writes.size() - 1];
  }

  std::string All() const {
    std::string all;
    for (const std::string& write : writes) all += write;
    return all;
  }
};

TEST(LogWriterTest, WritesEachLineAsTheFormatAsks) {
  const std::string escape = "t\x1B]0;OWNED\x07\x1B[2J";
  const std::string shown = "t<U+001B>]0;OWNED<U+0007><U+001B>[2J";
  const struct {
    std::string what;
    LogWriter::Format format;
    std::vector<std::string> lines;
    std::string out;
  } kCases[] = {
      {"lines as they are", {}, {escape, "a b", ""}, escape + "\na b\n\n"},
      {"NUL-ended", {.terminator = '\0'}, {"new\nline", "x"}, std::string("new\nline\0x\0", 11)},
      // On a terminal a line shows as a name does (the rule's own table is
      // in runtime/); on an 8-bit one each byte 0x80-0x9F is "?" as well.
      {"UTF-8 terminal",
       {.terminal = Terminal::kUtf8},
       {escape, "\xC2\x9B"},
       shown + "\n<U+009B>\n"},
      {"UTF-8 terminal, NUL-ended",
       {.terminator = '\0', .terminal = Terminal::kUtf8},
       {std::string("a\0b", 3)},
       std::string("a<U+0000>b\0", 11)},
      {"8-bit terminal", {.terminal = Terminal::kEightBit}, {escape}, shown + "\n"},
      // U+201B is E2 80 9B: CSI for an 8-bit terminal; U+201D and U+201C end
      // in 9D (OSC) and 9C (ST). A byte that is no UTF-8 is U+FFFD first.
      {"8-bit terminal, C1 bytes inside characters",
       {.terminal = Terminal::kEightBit},
       {"x\u201B2J \u201D0;T\u201C \xC3\xA9 \x9B"},
       "x\xE2??2J \xE2??0;T\xE2?? \xC3\xA9 \xEF\xBF\xBD\n"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    RecordingOutput output;
    {
      LogWriter log(output, c.format);
      for (const std::string& line : c.lines) log.AddLine(line);
    }
    EXPECT_EQ(output.All(), c.out);
  }
}

TEST(LogWriterTest, GathersLinesIntoLargeWrites) {
  RecordingOutput output;
  LogWriter log(output, {});
  const std::string line(100, 'n');
  for (int i = 0; i < 10000; ++i) log.AddLine(line);
  log.Flush();
  EXPECT_EQ(output.All().size(), 10000u * 101);
  ASSERT_GE(output.writes.size(), 2u);
  for (std::size_t i = 0; i + 1 < output.writes.size(); ++i) {
    EXPECT_GE(output.writes[i].size(), 64u * 1024) << "write " << i;
  }
  EXPECT_EQ(log.error(), 0);
}

TEST(LogWriterTest, AReaderThatWentAwayIsNoFailureAndStopsTheWrites) {
  RecordingOutput output;
  output.failures = {testing::kReaderGoneCode};
  LogWriter log(output, {});
  log.AddLine("a");
  log.Flush();
  log.AddLine("b");
  log.Flush();
  EXPECT_EQ(output.writes, std::vector<std::string>{"a\n"});
  EXPECT_EQ(log.error(), 0);
}

TEST(LogWriterTest, AFailedWriteIsKeptAndStopsTheWrites) {
  RecordingOutput output;
  output.failures = {testing::kDiskFullCode};
  LogWriter log(output, {});
  log.AddLine("a");
  log.Flush();
  log.AddLine("b");
  log.Flush();
  EXPECT_EQ(output.writes.size(), 1u);
  EXPECT_EQ(log.error(), testing::kDiskFullCode);
}

}  // namespace
}  // namespace quillfold
