#include "runtime/number_text.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

#include "runtime/error.h"

namespace quillfold {

namespace {

// Any exponent beyond this in magnitude yields overflow or underflow whatever
// the digits, as no text in memory holds this many of them; clamping keeps
// the arithmetic below far from the limits of std::int64_t.
constexpr std::int64_t kExponentLimit = 1'000'000'000'000'000;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

Error Described(int number, std::string_view text, std::string_view reason) {
  std::string detail;
  detail.reserve(text.size() + reason.size() + 2);
  detail += '"';
  detail += text;
  detail += '"';
  detail += reason;
  return Error(number, std::move(detail));
}

Error NotANumber(std::string_view text) {
  return Described(kTypeMismatch, text, " is not a number");
}
Error OutsideInt16(std::string_view text) {
  return Described(kOverflow, text, " is outside -32768 to 32767");
}
Error TooLarge(std::string_view text) { return Described(kOverflow, text, " is too large"); }

// A number as exact decimal digits: the value is digits * 10^exponent.
struct Decimal {
  bool negative = false;
  // No leading or trailing zeros; empty for zero. Short inputs stay within
  // the string's inline buffer, so common numbers allocate nothing.
  std::string digits;
  std::int64_t exponent = 0;

  // Where the decimal point stands relative to the first digit: the value is
  // 0.digits * 10^point.
  std::int64_t Point() const { return static_cast<std::int64_t>(digits.size()) + exponent; }
};

// Removes `token` from the front of `rest` if it stands there. An empty
// separator never matches, so a locale without one accepts none.
bool Consume(std::string_view& rest, std::string_view token) {
  if (token.empty() || !rest.starts_with(token)) return false;
  rest.remove_prefix(token.size());
  return true;
}

constexpr std::string_view kNarrowNoBreakSpace = "\xE2\x80\xAF";
constexpr std::string_view kNoBreakSpace = "\xC2\xA0";

// The length of the thousands separator at the front of `rest`, 0 when none
// stands there. Where the locale groups digits with a no-break space (U+202F
// in French, U+00A0 in older locale data), a keyboard types a plain space:
// all three are read as the separator.
std::size_t ThousandsAt(std::string_view rest, std::string_view thousands) {
  if (thousands.empty()) return 0;
  if (rest.starts_with(thousands)) return thousands.size();
  if (thousands != kNarrowNoBreakSpace && thousands != kNoBreakSpace) return 0;
  for (const std::string_view space : {kNarrowNoBreakSpace, kNoBreakSpace, std::string_view(" ")}) {
    if (rest.starts_with(space)) return space.size();
  }
  return 0;
}

Decimal Parse(std::string_view text, const NumberSeparators& separators) {
  std::string_view rest = text;
  while (!rest.empty() && IsBlank(rest.front())) rest.remove_prefix(1);
  while (!rest.empty() && IsBlank(rest.back())) rest.remove_suffix(1);

  Decimal number;
  if (Consume(rest, "-")) {
    number.negative = true;
  } else {
    Consume(rest, "+");
  }

  bool any_digit = false;
  auto take_digit = [&] {
    // Leading zeros are dropped here, so that "0.0001" costs no more than "1".
    if (rest.front() != '0' || !number.digits.empty()) number.digits += rest.front();
    rest.remove_prefix(1);
    any_digit = true;
  };

  const std::string_view decimal = separators.decimal;
  const std::string_view thousands = separators.thousands;
  while (!rest.empty()) {
    if (IsDigit(rest.front())) {
      take_digit();
      continue;
    }
    // Where both separators would match, the decimal one wins: a locale that
    // uses one text for both is read as having no thousands separator.
    if (!any_digit || (!decimal.empty() && rest.starts_with(decimal))) break;
    // The loop only gets here right after a digit, so checking the byte after
    // the separator is enough to keep it between two digits.
    const std::size_t separator = ThousandsAt(rest, thousands);
    if (separator == 0 || rest.size() == separator || !IsDigit(rest[separator])) break;
    rest.remove_prefix(separator);
  }

  std::int64_t fraction_digits = 0;
  if (Consume(rest, decimal)) {
    while (!rest.empty() && IsDigit(rest.front())) {
      take_digit();
      ++fraction_digits;
    }
  }
  if (!any_digit) throw NotANumber(text);

  std::int64_t exponent = 0;
  if (!rest.empty() && (rest.front() == 'e' || rest.front() == 'E')) {
    rest.remove_prefix(1);
    bool negative_exponent = false;
    if (Consume(rest, "-")) {
      negative_exponent = true;
    } else {
      Consume(rest, "+");
    }
    if (rest.empty() || !IsDigit(rest.front())) {
      throw NotANumber(text);
    }
    while (!rest.empty() && IsDigit(rest.front())) {
      exponent = std::min(exponent * 10 + (rest.front() - '0'), kExponentLimit);
      rest.remove_prefix(1);
    }
    if (negative_exponent) exponent = -exponent;
  }
  if (!rest.empty()) throw NotANumber(text);

  const std::size_t significant = number.digits.find_last_not_of('0') + 1;  // npos + 1 == 0
  const auto trailing_zeros = static_cast<std::int64_t>(number.digits.size() - significant);
  number.digits.resize(significant);
  number.exponent = exponent - fraction_digits + trailing_zeros;
  return number;
}

std::int16_t ToInt16(const Decimal& number, std::string_view text) {
  if (number.digits.empty()) return 0;
  const std::int64_t point = number.Point();
  // Five digits before the point already make at least 100000.
  if (point > 5) throw OutsideInt16(text);
  // Below 0.1 the value rounds to zero.
  if (point < 0) return 0;

  const std::string& digits = number.digits;
  const auto whole_digits = static_cast<std::size_t>(point);
  std::int32_t magnitude = 0;
  for (std::size_t i = 0; i < whole_digits; ++i) {
    magnitude = magnitude * 10 + (i < digits.size() ? digits[i] - '0' : 0);
  }
  if (whole_digits < digits.size()) {
    const int first_dropped = digits[whole_digits] - '0';
    // With no trailing zeros kept, any later digit makes the rest nonzero, so
    // a 5 followed by anything is more than half.
    const bool more_than_half =
        first_dropped > 5 || (first_dropped == 5 && digits.size() > whole_digits + 1);
    const bool exactly_half = first_dropped == 5 && digits.size() == whole_digits + 1;
    if (more_than_half || (exactly_half && magnitude % 2 == 1)) ++magnitude;
  }
  if (magnitude > (number.negative ? 32768 : 32767)) {
    throw OutsideInt16(text);
  }
  return static_cast<std::int16_t>(number.negative ? -magnitude : magnitude);
}

double ToDouble(const Decimal& number, std::string_view text) {
  const double sign = number.negative ? -1.0 : 1.0;
  if (number.digits.empty()) return sign * 0.0;
  // Decided here rather than left to std::from_chars, so that the exponent
  // handed to it stays small and its range error needs no second guess.
  const std::int64_t point = number.Point();
  if (point > 309) throw TooLarge(text);
  if (point < -330) return sign * 0.0;

  // The digits in the C locale's notation, which std::from_chars reads
  // whatever the process's locale.
  std::string c_text = number.digits;
  c_text += 'e';
  char exponent_text[24];
  const auto [end, ec] =
      std::to_chars(exponent_text, exponent_text + sizeof exponent_text, number.exponent);
  c_text.append(exponent_text, end);

  double value = 0.0;
  const auto result = std::from_chars(c_text.data(), c_text.data() + c_text.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // libstdc++ reports underflow to zero the same way as overflow.
    if (point > 0) throw TooLarge(text);
    return sign * 0.0;
  }
  return sign * value;
}

}  // namespace

std::int16_t TextToInt16(std::string_view text, const NumberSeparators& separators) {
  return ToInt16(Parse(text, separators), text);
}

double TextToDouble(std::string_view text, const NumberSeparators& separators) {
  return ToDouble(Parse(text, separators), text);
}

std::int16_t TextToInt16(std::string_view text) {
  return TextToInt16(text, NumberSeparators::FromCurrentLocale());
}

double TextToDouble(std::string_view text) {
  return TextToDouble(text, NumberSeparators::FromCurrentLocale());
}

std::string IntToText(int value) {
  char text[16];
  const auto [end, ec] = std::to_chars(text, text + sizeof text, value);
  return std::string(text, end);
}

}  // namespace quillfold
