#include "runtime/number_text.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "runtime/error.h"
#include "testing/number_rows.h"

namespace quillfold {
namespace {

using testing::CheckRejected;
using testing::CheckRows;
using testing::ErrorOf;
using testing::kNoError;
using testing::Row;

TEST(NumberTextTest, AcceptsDoubles) {
  const NumberSeparators c;
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
      {"2e-324", 0}, {"1e-400", 0}, {"-1e-99999999999999999999", 0}},
      [&](std::string_view text) { return TextToDouble(text, c); });
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
