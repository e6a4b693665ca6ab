#include "runtime/shown_name.h"

#include <gtest/gtest.h>

#include <string>

#include "runtime/path.h"

namespace quillfold {
namespace {

std::string Shown(std::string_view name) {
  std::string shown;
  AppendShownName(name, shown);
  return shown;
}

TEST(ShownNameTest, EachCharacterThatHidesOrReordersShowsAsItsCode) {
  const struct {
    std::string name;
    std::string shown;
  } kCases[] = {
      {"", ""},
      {"plain name.txt", "plain name.txt"},
      // Controls, at each end of each range, and their neighbours.
      {std::string("nul\0byte", 8), "nul<U+0000>byte"},
      {"tab\there", "tab<U+0009>here"},
      {"new\nline.txt", "new<U+000A>line.txt"},
      {"crlf\r\n", "crlf<U+000D><U+000A>"},
      {"esc\x1B[2J", "esc<U+001B>[2J"},
      {"\x1F ~\x7F", "<U+001F> ~<U+007F>"},
      {"c1\xC2\x80\xC2\x9B\xC2\x9F", "c1<U+0080><U+009B><U+009F>"},
      {"\xC2\xA0nbsp\xC2\xA0", "\xC2\xA0nbsp\xC2\xA0"},
      // Direction controls: the shown text keeps its order.
      {"invoice\u202Efdp.exe", "invoice<U+202E>fdp.exe"},
      {"\u202Elmth.1xedni", "<U+202E>lmth.1xedni"},
      {"\u202A\u202B\u202C\u202D", "<U+202A><U+202B><U+202C><U+202D>"},
      {"\u2066\u2067\u2068\u2069", "<U+2066><U+2067><U+2068><U+2069>"},
      {"\u200E\u200F\u061C", "<U+200E><U+200F><U+061C>"},
      // Characters drawn as nothing.
      {"index1\u200B.html", "index1<U+200B>.html"},
      {"\u200C\u200D\u2060\u2064", "<U+200C><U+200D><U+2060><U+2064>"},
      {"\uFEFFbom\u00AD\u180E", "<U+FEFF>bom<U+00AD><U+180E>"},
      {"\u2028\u2029\u206F\uFFF9\uFFFB", "<U+2028><U+2029><U+206F><U+FFF9><U+FFFB>"},
      {"tag\U000E0041\U000E007F", "tag<U+E0041><U+E007F>"},
      // Neighbours of those ranges, variation selectors, and visible text
      // in any script stay.
      {"\u200A\u2010\u2027\u202F\u205F\u2070", "\u200A\u2010\u2027\u202F\u205F\u2070"},
      {"\uFEFE\uFFFC\U000E0080\uFE0F", "\uFEFE\uFFFC\U000E0080\uFE0F"},
      {"\u00C4pfel \u05E9\u05DC\u05D5\u05DD \U0001F600",
       "\u00C4pfel \u05E9\u05DC\u05D5\u05DD \U0001F600"},
      {"e\u0301 \u00E9", "e\u0301 \u00E9"},
      // Bytes that are no UTF-8.
      {"caf\xE9", "caf\uFFFD"},
      {"\x80\x9F", "\uFFFD\uFFFD"},
      {"cut\xE2\x80", "cut\uFFFD\uFFFD"},
      {"\xE2\x80\x0A", "\uFFFD\uFFFD<U+000A>"},
      {"\xC0\xAF", "\uFFFD\uFFFD"},
      {"\xF4\x90\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD"},
      // A lone surrogate: one character where names are UTF-16, three
      // stray bytes elsewhere.
      {"a\xED\xA0\x80z", kNamesAreUtf16 ? "a\uFFFDz" : "a\uFFFD\uFFFD\uFFFDz"},
      // A name that reads as markup or as a code stays as it is.
      {"<U+202E>&<b>", "<U+202E>&<b>"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(Shown(c.name), c.shown) << ::testing::PrintToString(c.name);
  }
}

TEST(ShownNameTest, AMessageKeepsItsLinesAndShowsEachAsAName) {
  std::string shown;
  AppendShownMessage("error 76\nC:\\a\rb\x1B\n", shown);
  EXPECT_EQ(shown, "error 76\nC:\\a<U+000D>b<U+001B>\n");
}

TEST(ShownNameTest, AppendsAfterWhatIsThere) {
  std::string log = "first\n";
  AppendShownName("a\rb", log);
  EXPECT_EQ(log, "first\na<U+000D>b");
}

}  // namespace
}  // namespace quillfold
