#include "window/shared/log_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillfold {
namespace {

TEST(LogTextTest, TheShownNamesEachEndedByCrLfOnceTheRunClearedIt) {
  LogText log;
  EXPECT_FALSE(log.cleared());
  log.Clear();
  log.AddLine("a.pdf");
  log.AddLine("two\nlines");
  log.AddLine("\xc3\xa9t\xc3\xa9.pdf");
  EXPECT_TRUE(log.cleared());
  EXPECT_EQ(log.text(), "a.pdf\r\ntwo<U+000A>lines\r\n\xc3\xa9t\xc3\xa9.pdf\r\n");
}

TEST(LogTextTest, GoesToTheBoxInPiecesOfWholeLines) {
  const struct {
    std::string text;
    std::size_t lines;
    std::vector<std::string> pieces;
  } kCases[] = {
      {"", 2, {}},
      {"a\r\nb\r\nc\r\n", 2, {"a\r\nb\r\n", "c\r\n"}},
      {"a\r\nb\r\n", 2, {"a\r\nb\r\n"}},
      {"a\r\nb\r\n", 1, {"a\r\n", "b\r\n"}},
      // A CR or LF alone is no line end.
      {"a\rb\nc\r\nd", 1, {"a\rb\nc\r\n", "d"}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(::testing::PrintToString(c.text));
    LogPieces log(c.text);
    std::vector<std::string> pieces;
    while (!log.done()) pieces.emplace_back(log.Next(c.lines));
    EXPECT_EQ(pieces, c.pieces);
    EXPECT_EQ(log.Next(c.lines), "");
  }
}

}  // namespace
}  // namespace quillfold
