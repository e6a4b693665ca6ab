// The number conversions in the user's regional settings on Windows. The
// test run says which locale it started the program in
// (QUILLFOLD_EXPECTED_LOCALE; Wine takes it from LC_ALL), so a locale that
// did not take effect fails instead of passing as another.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/windows/wide_text.h"
#include "runtime/error.h"
#include "runtime/number_text.h"

#define NBSP "\xC2\xA0"
#define NNBSP "\xE2\x80\xAF"

namespace quillfold {
namespace {

struct LocaleRow {
  std::string name;
  std::string decimal;
  // French groups with U+00A0 in older data (and in Wine 8), U+202F in
  // current Windows.
  std::vector<std::string> thousands;
  std::vector<std::pair<std::string, double>> doubles;
  std::vector<std::pair<std::string, int>> int16s;
  std::vector<std::string> rejected;
};

const LocaleRow kLocales[] = {
    {"de-DE",
     ",",
     {"."},
     {{"1,5", 1.5}, {",5", 0.5}, {" -1.000,25 ", -1000.25}, {"1.000.000", 1e6}, {"1,5e2", 150}},
     {{"2,5", 2}, {"3,5", 4}, {"32.767,4999", 32767}},
     {"1,000.5", "1.,5", "1..000", ".5"}},
    {"fr-FR",
     ",",
     {NBSP, NNBSP},
     {{"1,5", 1.5}, {"1 000,5", 1000.5}, {"1" NBSP "000", 1000}, {"1" NNBSP "000", 1000}},
     {{"2,5", 2}, {"32 767,4999", 32767}},
     {"1.5", "1,000.5", "1  000"}},
    {"en-US",
     ".",
     {","},
     {{"1.5", 1.5}, {"1,000.5", 1000.5}, {"-1,000,000", -1e6}},
     {{"2.5", 2}, {"32,767.4999", 32767}},
     {"1.000,5", "1,,000", "1 000"}},
};

std::string UserLocaleName() {
  wchar_t name[LOCALE_NAME_MAX_LENGTH];
  const int length = GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH);
  return length > 0 ? FromWide(std::wstring_view(name, length - 1)) : std::string();
}

int ErrorOf(std::string_view text) {
  try {
    TextToDouble(text);
  } catch (const Error& error) {
    return error.number();
  }
  return 0;
}

TEST(RegionalSettingsTest, ReadsTheUsersSeparators) {
  const std::string name = UserLocaleName();
  if (const char* expected = std::getenv("QUILLFOLD_EXPECTED_LOCALE")) {
    ASSERT_EQ(name, expected) << "the test run's locale did not take effect";
  }
  const auto row = std::find_if(std::begin(kLocales), std::end(kLocales),
                                [&](const LocaleRow& row) { return row.name == name; });
  if (row == std::end(kLocales)) GTEST_SKIP() << "no table row for the locale " << name;

  const NumberSeparators separators = NumberSeparators::FromCurrentLocale();
  EXPECT_EQ(separators.decimal, row->decimal);
  EXPECT_NE(std::find(row->thousands.begin(), row->thousands.end(), separators.thousands),
            row->thousands.end())
      << "thousands separator \"" << separators.thousands << "\"";
  for (const auto& [text, value] : row->doubles) {
    SCOPED_TRACE(text);
    ASSERT_EQ(ErrorOf(text), 0);
    EXPECT_EQ(TextToDouble(text), value);
  }
  for (const auto& [text, value] : row->int16s) {
    SCOPED_TRACE(text);
    EXPECT_EQ(TextToInt16(text), value);
  }
  for (const std::string& text : row->rejected) {
    SCOPED_TRACE(text);
    EXPECT_EQ(ErrorOf(text), kTypeMismatch);
  }
}

}  // namespace
}  // namespace quillfold
