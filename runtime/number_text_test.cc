#include "runtime/number_text.h"

#include <gtest/gtest.h>
#include <locale.h>

#include <cfenv>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "runtime/error.h"

// The French locale's thousands separator, U+202F NARROW NO-BREAK SPACE.
#define NNBSP "\xE2\x80\xAF"

namespace quillfold {
namespace {

constexpr int kNoError = 0;

// The error number `convert` raises, or kNoError.
template <typename Convert>
int ErrorOf(Convert convert) {
  try {
    convert();
  } catch (const Error& error) {
    return error.number();
  }
  return kNoError;
}

// A row expects either `value` (error == kNoError) or the error number.
template <typename Value>
struct Row {
  std::string_view text;
  Value value;
  int error = kNoError;
};

template <typename Value, typename Convert>
void CheckRows(const std::vector<Row<Value>>& rows, Convert convert) {
  for (const Row<Value>& row : rows) {
    SCOPED_TRACE(testing::Message() << "text \"" << row.text << '"');
    Value value{};
    EXPECT_EQ(ErrorOf([&] { value = convert(row.text); }), row.error);
    if (row.error == kNoError) {
      EXPECT_EQ(value, row.value);
    }
  }
}

void CheckRejected(const std::vector<std::string_view>& texts, const NumberSeparators& separators) {
  for (std::string_view text : texts) {
    SCOPED_TRACE(testing::Message() << "text \"" << text << '"');
    EXPECT_EQ(ErrorOf([&] { TextToInt16(text, separators); }), kTypeMismatch);
    EXPECT_EQ(ErrorOf([&] { TextToDouble(text, separators); }), kTypeMismatch);
  }
}

// Switches LC_NUMERIC for one test and puts the previous locale back.
class LocaleTest : public testing::Test {
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

TEST_F(CLocaleTest, AcceptsDoubles) {
  const NumberSeparators separators = NumberSeparators::FromCurrentLocale();
  EXPECT_EQ(separators.decimal, ".");
  EXPECT_EQ(separators.thousands, "");
  const double max = std::numeric_limits<double>::max();
  const double tiny = std::numeric_limits<double>::denorm_min();
  // clang-format off
  CheckRows<double>({
      {"95", 95}, {" \t-3\t ", -3}, {"+7", 7}, {"007", 7}, {".5", 0.5}, {"5.", 5}, {"-.5", -0.5},
      {"1.25", 1.25}, {"1E3", 1000}, {"1e+3", 1000}, {"2.5e-3", 0.0025}, {".5e1", 5}, {"5.e1", 50},
      {"123456789012345678901234567890", 1.2345678901234568e29},
      {"17976931348623158e292", max}, {"17976931348623159e292", 0, kOverflow},
      {"1e400", 0, kOverflow}, {"-1e309", 0, kOverflow}, {"1e4294967296", 0, kOverflow},
      {"1e18446744073709551616", 0, kOverflow}, {"1e99999999999999999999", 0, kOverflow},
      {"0e99999999999999999999", 0}, {"1e-320", 1e-320}, {"4.9e-324", tiny}, {"3e-324", tiny},
      {"2e-324", 0}, {"1e-400", 0}, {"-1e-99999999999999999999", 0}}, Double);
  // clang-format on
}

TEST(NumberTextTest, RejectsWhatIsNoNumber) {
  // clang-format off
  CheckRejected({"", " \t", ".", "+", "-", "+.", "e5", ".e5", "1e", "1e+", "1e-", "1e 5", "1 e5",
                 "1e5.0", "1e5e5", "1.2.3", "1..2", "+-5", "--5", "- 5", "5-", "5+", "(5)", "$5",
                 "5%", "0x10", "inf", "nan", "1 000", "1,000", "1,5", "\n5", "5\r", "\v5", "1_000",
                 "1'000", "\xEF\xBC\x95" /* fullwidth 5 */, std::string_view("5\0", 2)},
                NumberSeparators{});
  // clang-format on
}

TEST(NumberTextTest, RoundsToInt16HalvesToEven) {
  const NumberSeparators c;
  // clang-format off
  CheckRows<std::int16_t>({
      {"-0", 0}, {"0.5", 0}, {"0.50001", 1}, {"0.06", 0}, {"0.6", 1}, {"1.5", 2}, {"2.5", 2},
      {"3.5", 4}, {"-2.5", -2}, {"-3.5", -4}, {"2.500001", 3},
      // Beyond what a double holds: rounding a double first would give 2 and 3.
      {"2.50000000000000000000001", 3}, {"3.49999999999999999999999", 3},
      {"12.000000000000000000000", 12}, {"25e-1", 2}, {"1.5e1", 15}, {"0.000325e5", 32},
      {"0.000335e5", 34}, {"1200e-2", 12}, {"1e-400", 0}, {"0e99999999999999999999", 0},
      {"32767", 32767}, {"32767.4999", 32767}, {"32766.5", 32766}, {"32767.5", 0, kOverflow},
      {"3.27675e4", 0, kOverflow}, {"32768", 0, kOverflow}, {"-32768", -32768},
      {"-32767.5", -32768}, {"-32768.5", -32768}, {"-32768.50001", 0, kOverflow},
      {"-32769", 0, kOverflow}, {"100000", 0, kOverflow}, {"1e400", 0, kOverflow},
      {"1e4294967296", 0, kOverflow}, {"1e99999999999999999999", 0, kOverflow},
      {"1e-99999999999999999999", 0}},
      [&](std::string_view text) { return TextToInt16(text, c); });
  // clang-format on
}

TEST(NumberTextTest, ErrorDetailsQuoteTheText) {
  const std::vector<Row<std::string>> rows = {
      {" abc ", "\" abc \" is not a number", kTypeMismatch},
      {"40000", "\"40000\" is outside -32768 to 32767", kOverflow},
      {"1e400", "\"1e400\" is outside -32768 to 32767", kOverflow}};
  for (const Row<std::string>& row : rows) {
    SCOPED_TRACE(row.text);
    try {
      TextToInt16(row.text, NumberSeparators{});
      ADD_FAILURE() << "no error";
    } catch (const Error& error) {
      EXPECT_EQ(error.number(), row.error);
      EXPECT_EQ(error.detail(), row.value);
    }
  }
}

TEST(NumberTextTest, LongTextsAreExact) {
  const NumberSeparators c;
  const std::string zeros(1'000'000, '0');
  EXPECT_EQ(TextToInt16("2.5" + zeros, c), 2);
  EXPECT_EQ(TextToInt16("2.5" + zeros + "1", c), 3);
  EXPECT_EQ(TextToInt16("0." + zeros + "1e1000001", c), 1);
  EXPECT_EQ(TextToDouble("1" + zeros + "e-1000000", c), 1.0);
  EXPECT_EQ(ErrorOf([&] { TextToDouble(std::string(1'000'000, '9'), c); }), kOverflow);
  std::string grouped = "1";
  for (int i = 0; i < 300'000; ++i) grouped += ".000";
  EXPECT_EQ(TextToInt16(grouped + ",4e-900000", {",", "."}), 1);
}

TEST(NumberTextTest, MultiByteDecimalSeparator) {
  const NumberSeparators arabic{"\xD9\xAB", "\xD9\xAC"};
  // clang-format off
  CheckRows<double>({{"1\xD9\xAB" "5", 1.5}, {"1\xD9\xAC" "000\xD9\xAB" "5", 1000.5},
                     {"1\xD9" "5", 0, kTypeMismatch}, {"1\xD9\xAB\xD9\xAB" "5", 0, kTypeMismatch}},
                    [&](std::string_view text) { return TextToDouble(text, arabic); });
  // clang-format on
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

// Where the double holds the typed digits exactly enough, rounding it to
// nearest-even must agree with the integer conversion.
TEST(NumberTextTest, Int16MatchesNearbyintOfDouble) {
  ASSERT_EQ(std::fegetround(), FE_TONEAREST);
  const NumberSeparators c;
  for (std::string_view text :
       {"0", "0.5", "1.5", "2.5", "-2.5", "0.49", "0.51", "123.456", "-123.5", "9.5e2", "1.25e1",
        "-7.5e-1", "32766.5", "32767.4", "-32767.5", "-32768.4", "4.5e-1", "65e-1", "1e-5"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(TextToInt16(text, c), static_cast<int>(std::nearbyint(TextToDouble(text, c))));
  }
}

TEST(NumberTextTest, IntToText) {
  const struct {
    int value;
    std::string_view text;
  } rows[] = {{0, "0"},
              {7, "7"},
              {-7, "-7"},
              {-32768, "-32768"},
              {2147483647, "2147483647"},
              {std::numeric_limits<int>::min(), "-2147483648"}};
  for (const auto& row : rows) EXPECT_EQ(IntToText(row.value), row.text);
  for (int value = -32768; value <= 32767; ++value) {
    ASSERT_EQ(TextToInt16(IntToText(value), NumberSeparators{}), value);
  }
}

}  // namespace
}  // namespace quillfold
