#include "runtime/wtf8.h"

#include <gtest/gtest.h>

#include <string>

namespace quillfold {
namespace {

TEST(Wtf8Test, ConvertsNamesBothWays) {
  const struct {
    std::string what;
    std::u16string utf16;
    std::string bytes;
  } kCases[] = {
      {"ASCII", u"index1.html", "index1.html"},
      {"empty", u"", ""},
      {"two bytes", u"caf\u00E9", "caf\xC3\xA9"},
      {"Japanese", u"\u65E5\u672C\u8A9E.txt", "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E.txt"},
      {"emoji as a surrogate pair", u"\U0001F600", "\xF0\x9F\x98\x80"},
      {"highest code point", u"\U0010FFFF", "\xF4\x8F\xBF\xBF"},
      {"NUL", std::u16string(u"a\0b", 3), std::string("a\0b", 3)},
      {"lone lead surrogate",
       u"a\xD800"
       "b",
       "a\xED\xA0\x80"
       "b"},
      {"lone trail surrogate", u"\xDFFF", "\xED\xBF\xBF"},
      {"trail before lead", u"\xDC00\xD800", "\xED\xB0\x80\xED\xA0\x80"},
      {"lead at the end", u"x\xDBFF", "x\xED\xAF\xBF"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Wtf8FromUtf16(c.utf16), c.bytes);
    EXPECT_EQ(Utf16FromWtf8(c.bytes), c.utf16);
  }
}

// Every single UTF-16 unit, surrogates included, comes back from its bytes.
TEST(Wtf8Test, EveryUnitRoundTrips) {
  for (char32_t unit = 0; unit <= 0xFFFF; ++unit) {
    const std::u16string text(1, static_cast<char16_t>(unit));
    ASSERT_EQ(Utf16FromWtf8(Wtf8FromUtf16(text)), text) << "unit " << static_cast<int>(unit);
  }
}

TEST(Wtf8Test, BytesThatAreNoWtf8EachBecomeAReplacement) {
  const struct {
    std::string what;
    std::string bytes;
    std::u16string utf16;
  } kCases[] = {
      {"stray continuation", "a\x80z", u"a\uFFFDz"},
      {"truncated sequence", "\xE6\x97", u"\uFFFD\uFFFD"},
      {"overlong slash", "\xC0\xAF", u"\uFFFD\uFFFD"},
      {"overlong three bytes", "\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"invalid lead byte", "\xFF", u"\uFFFD"},
      {"Latin-1 byte before ASCII", "caf\xE9!", u"caf\uFFFD!"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Utf16FromWtf8(c.bytes), c.utf16);
  }
}

// A surrogate pair written as two WTF-8 surrogates (which WTF-8 itself never
// does) still gives the one character back.
TEST(Wtf8Test, PairedSurrogatesWrittenApartJoin) {
  EXPECT_EQ(Utf16FromWtf8("\xED\xA0\xBD\xED\xB8\x80"), u"\U0001F600");
  EXPECT_EQ(Wtf8FromUtf16(Utf16FromWtf8("\xED\xA0\xBD\xED\xB8\x80")), "\xF0\x9F\x98\x80");
}

}  // namespace
}  // namespace quillfold
