// The number conversions in the locales of a POSIX system, which the test
// set-up generates (scripts/make-test-locales.sh).

#include <gtest/gtest.h>
#include <locale.h>

#include <string>

#include "runtime/error.h"
#include "runtime/number_text.h"
#include "testing/number_rows.h"

// The French locale's thousands separator, U+202F NARROW NO-BREAK SPACE,
// and that of its legacy forms, U+00A0 NO-BREAK SPACE.
#define NNBSP "\xE2\x80\xAF"
#define NBSP "\xC2\xA0"

namespace quillfold {
namespace {

using testing::CheckRejected;
using testing::CheckRows;
using testing::ErrorOf;
using testing::kNoError;
using testing::Row;

// Switches LC_NUMERIC for one test and puts the previous locale back.
class LocaleTest : public ::testing::Test {
 protected:
  void Use(const char* name) {
    ASSERT_NE(setlocale(LC_NUMERIC, name), nullptr)
        << "locale " << name << " is missing: run scripts/make-test-locales.sh as root";
  }
  void TearDown() override { setlocale(LC_NUMERIC, saved_.c_str()); }

 private:
  std::string saved_ = setlocale(LC_NUMERIC, nullptr);
};

class CLocaleTest : public LocaleTest {
  void SetUp() override { Use("C"); }
};
class GermanLocaleTest : public LocaleTest {
  void SetUp() override { Use("de_DE.UTF-8"); }
};
class FrenchLocaleTest : public LocaleTest {
  void SetUp() override { Use("fr_FR.UTF-8"); }
};

std::int16_t Int16(std::string_view text) { return TextToInt16(text); }
double Double(std::string_view text) { return TextToDouble(text); }

TEST_F(CLocaleTest, ReadsADotAndNoThousandsSeparator) {
  const NumberSeparators separators = NumberSeparators::FromCurrentLocale();
  EXPECT_EQ(separators.decimal, ".");
  EXPECT_EQ(separators.thousands, "");
  CheckRows<double>({{"1.25", 1.25}, {" -3 ", -3}, {"1,000", 0, kTypeMismatch}}, Double);
}

TEST_F(GermanLocaleTest, ReadsCommaDecimalAndDotThousands) {
  const NumberSeparators separators = NumberSeparators::FromCurrentLocale();
  EXPECT_EQ(separators.decimal, ",");
  EXPECT_EQ(separators.thousands, ".");
  // clang-format off
  CheckRows<double>({{"1,5", 1.5}, {",5", 0.5}, {"5,", 5}, {" -1.000,25 ", -1000.25}, {"1.5", 15},
                     {"1.2.3.4", 1234}, {"1.000.000", 1e6}, {"1.000,5e-3", 1.0005}}, Double);
  CheckRejected({".5", "1.", "1..000", "1.,5", ",", "1,000.5", "1,5.0", "1.e5", "1,5,5", "-.5"},
                separators);
  CheckRows<std::int16_t>({{"2,5", 2}, {"3,5", 4}, {"32.767,4999", 32767}, {"32.767,5", 0, kOverflow},
                           {"-32.768,5", -32768}, {"-32.768,50001", 0, kOverflow},
                           {"0,000325e5", 32}}, Int16);
  // clang-format on
}

TEST_F(GermanLocaleTest, ReadsTheLocaleAtEachCall) {
  EXPECT_EQ(TextToInt16("1,5"), 2);
  setlocale(LC_NUMERIC, "C");
  EXPECT_EQ(ErrorOf([] { TextToInt16("1,5"); }), kTypeMismatch);
  EXPECT_EQ(TextToInt16("1.5"), 2);
}

TEST_F(FrenchLocaleTest, ReadsNarrowNoBreakSpaceThousands) {
  const NumberSeparators separators = NumberSeparators::FromCurrentLocale();
  EXPECT_EQ(separators.decimal, ",");
  EXPECT_EQ(separators.thousands, NNBSP);
  // clang-format off
  // The no-break spaces and the plain space a keyboard types all group digits.
  CheckRows<double>({{"1" NNBSP "000", 1000}, {"-1" NNBSP "000,5", -1000.5}, {"1,5e2", 150},
                     {"1 000", 1000}, {"1\xC2\xA0" "000", 1000}, {" 1 000 000 ", 1000000},
                     {"1 000" NNBSP "000\xC2\xA0" "000,5", 1000000000.5}}, Double);
  // Parts of the separator, other spaces, and a separator out of place.
  CheckRejected({"1\xE2\x80" "000", "1\xE2" "000", "1\x80\xAF" "000", "1" NNBSP, NNBSP "1",
                 "1" NNBSP " ", "1" NNBSP NNBSP "000", "1  000", "1\t000", "1,5" NNBSP "0",
                 "1,5 0", "1 ,5", "1\xC2" "000", "1\xE2\x80\x80" "000", "1.5"}, separators);
  CheckRows<std::int16_t>({{"32" NNBSP "767,4999", 32767}, {"32" NNBSP "767,5", 0, kOverflow},
                           {"-32" NNBSP "768,5", -32768}, {"2,5", 2}}, Int16);
  // clang-format on
}

// fr_FR is ISO-8859-1 and fr_FR@euro ISO-8859-15: both give the byte 0xA0,
// which must be read as the no-break space it stands for in their set.
TEST_F(LocaleTest, ReadsLegacyFrenchSeparatorsAsUnicode) {
  for (const char* name : {"fr_FR", "fr_FR@euro"}) {
    SCOPED_TRACE(name);
    Use(name);
    const NumberSeparators separators = NumberSeparators::FromCurrentLocale();
    EXPECT_EQ(separators.decimal, ",");
    EXPECT_EQ(separators.thousands, NBSP);
    // clang-format off
    CheckRows<double>({{"1 000", 1000}, {"1" NBSP "000", 1000}, {"1" NNBSP "000", 1000},
                       {" -1 000 000,5 ", -1000000.5}}, Double);
    CheckRejected({"1  000", "1" NBSP, "1 ,5", "1.000"}, separators);
    CheckRows<std::int16_t>({{"32 767,4999", 32767}, {"32" NBSP "767,5", 0, kOverflow}}, Int16);
    // clang-format on
  }
}

}  // namespace
}  // namespace quillfold
