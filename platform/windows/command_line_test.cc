// The split of a Windows command line: Microsoft's documented cases, and a
// quoted folder that ends in a backslash.

#include "platform/windows/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/windows/wide_text.h"

namespace quillfold {
namespace {

TEST(CommandLineTest, SplitsAsDocumentedButForAQuotedTrailingBackslash) {
  const struct {
    std::wstring line;
    std::vector<std::wstring> arguments;
  } kCases[] = {
      // "Parsing C++ command-line arguments", its table, as CommandLineToArgvW
      // answers the last line (MicrosoftDocs/cpp-docs#3291).
      {LR"(q "a b c" d e)", {L"q", L"a b c", L"d", L"e"}},
      {LR"(q "ab\"c" "\\" d)", {L"q", L"ab\"c", L"\\", L"d"}},
      {LR"(q a\\\b d"e f"g h)", {L"q", LR"(a\\\b)", L"de fg", L"h"}},
      {LR"(q a\\\"b c d)", {L"q", LR"(a\"b)", L"c", L"d"}},
      {LR"(q a\\\\"b c" d e)", {L"q", LR"(a\\b c)", L"d", L"e"}},
      {LR"(q a"b"" c d)", {L"q", L"ab\"", L"c", L"d"}},
      // The program's name takes quotes, no escapes; tabs; an empty argument.
      {LR"("C:\Program Files\q\"	 x  "" )", {LR"(C:\Program Files\q\)", L"x", L""}},
      // A quoted folder ending in a backslash keeps it and ends there.
      {LR"(q "C:\")", {L"q", LR"(C:\)"}},
      {LR"(q "C:\t1\" --paging -0)", {L"q", LR"(C:\t1\)", L"--paging", L"-0"}},
      {LR"(q "a\\\")", {L"q", LR"(a\\)"}},
      // Elsewhere an escaped quote stays a quote.
      {LR"(q C:\" x)", {L"q", L"C:\"", L"x"}},
      {LR"(q "say \"hi\"")", {L"q", L"say \"hi\""}},
  };
  for (const auto& c : kCases) EXPECT_EQ(SplitCommandLine(c.line), c.arguments) << FromWide(c.line);
}

}  // namespace
}  // namespace quillfold
