#include "window/shared/log_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillfold {
namespace {

TEST(LogTextTest, TheShownNamesEachEndedByLfOnceTheRunClearedIt) {
  LogText log;
  EXPECT_FALSE(log.cleared());
  log.Clear();
  log.AddLine("a.pdf");
  log.AddLine("two\nlines");
  log.AddLine("\xc3\xa9t\xc3\xa9.pdf");
  EXPECT_TRUE(log.cleared());
  EXPECT_EQ(log.text(), "a.pdf\ntwo<U+000A>lines\n\xc3\xa9t\xc3\xa9.pdf\n");
}

TEST(LogTextTest, GoesToTheBoxInPiecesOfWholeLines) {
  const struct {
    std::string text;
    std::size_t lines;
    std::vector<std::string> pieces;
  } kCases[] = {
      {"", 2, {}},
      {"a\nb\nc\n", 2, {"a\nb\n", "c\n"}},
      {"a\nb\n", 2, {"a\nb\n"}},
      {"a\nb\n", 1, {"a\n", "b\n"}},
      // A CR is no line end.
      {"a\rb\nc", 1, {"a\rb\n", "c"}},
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
