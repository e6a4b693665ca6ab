#include "cli/log_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/path.h"
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
  const struct {
    std::string what;
    LogWriter::Format format;
    std::vector<std::string> lines;
    std::string out;
  } kCases[] = {
      {"lines as they are", {}, {escape, "a b", ""}, escape + "\na b\n\n"},
      {"NUL-ended", {.terminator = '\0'}, {"new\nline", "x"}, std::string("new\nline\0x\0", 11)},
      {"masked", {.mask_controls = true}, {escape, "del\x7F"}, "t?]0;OWNED??[2J\ndel?\n"},
      {"masked and NUL-ended",
       {.terminator = '\0', .mask_controls = true},
       {std::string("a\0b\n", 4)},
       std::string("a?b?\0", 5)},
      {"bytes beyond ASCII stay",
       {.mask_controls = true},
       {"M\xC3\xBCller \xFF"},
       "M\xC3\xBCller \xFF\n"},
      // CSI is ESC [ in one character: 0x9B to an 8-bit terminal, C2 9B in UTF-8.
      {"C1 controls masked, one each",
       {.mask_controls = true},
       {"csi\x9B"
        "2J",
        "utf8 csi \xC2\x9B"
        "2J",
        "\xC2\x80\xC2\x9F\x80\x9F"},
       "csi?2J\nutf8 csi ?2J\n????\n"},
      {"characters beside C1 stay",
       {.mask_controls = true},
       {"\xC2\xA0\xE2\x80\x9B\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF"},
       "\xC2\xA0\xE2\x80\x9B\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF\n"},
      // Each byte of ill-formed UTF-8 stands alone: overlong (C0 9B, E0 80 9B),
      // truncated (E2 80, C2 at the end), past U+10FFFF (F4 90 80 9B).
      {"stray bytes 0x80-0x9F masked",
       {.mask_controls = true},
       {"\xC0\x9B|\xE0\x80\x9B|\xE2\x80|\xF4\x90\x80\x9B|\xA0\xC2"},
       "\xC0?|\xE0??|\xE2?|\xF4???|\xA0\xC2\n"},
      // Windows names are WTF-8, where ED A0 9B is one lone surrogate.
      {"a surrogate's bytes",
       {.mask_controls = true},
       {"\xED\xA0\x9B"},
       kNamesAreUtf16 ? "\xED\xA0\x9B\n" : "\xED\xA0?\n"},
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
