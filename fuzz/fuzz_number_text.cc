// The links-per-page text, as the user types it, into both conversions.
//
// A recogniser of the accepted syntax, written here apart from the
// converter, decides whether the text is a number: error 13 must come
// exactly when it is not. For numbers, the double must equal glibc's strtod
// of the same digits, and the integer must be the double rounded halves to
// even, within the 16-bit range. Every text is read with the C locale's
// separators and with German and French ones, passed explicitly.

#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/error.h"
#include "runtime/number_text.h"

namespace quillfold {
namespace {

bool AllDigits(std::string_view text) {
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// A number's parts as the recogniser found them.
struct Recognised {
  bool negative = false;
  std::string whole;     // Digits only, separators removed.
  std::string fraction;  // Digits only.
  std::string exponent;  // As written ("-12"), empty when absent.
};

constexpr std::string_view kNarrowNoBreakSpace = "\xE2\x80\xAF";
constexpr std::string_view kNoBreakSpace = "\xC2\xA0";
constexpr std::string_view kSpace = " ";

// The accepted syntax: blanks around; one leading sign; digits with the
// thousands separator between digits of the whole part (where it is a
// no-break space, either no-break space or a plain space); the decimal
// separator with digits after it; at least one digit; an exponent of e or E,
// optional sign, digits. Split apart rather than scanned, so that it shares
// no structure with the converter.
std::optional<Recognised> Recognise(std::string_view text, const NumberSeparators& separators) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(" \t") - first + 1);

  Recognised number;
  if (text.starts_with('+') || text.starts_with('-')) {
    number.negative = text[0] == '-';
    text.remove_prefix(1);
  }
  // No separator used here holds an e, so the first e starts the exponent.
  if (const std::size_t e = text.find_first_of("eE"); e != std::string_view::npos) {
    std::string_view exponent = text.substr(e + 1);
    text = text.substr(0, e);
    number.exponent = exponent;
    if (exponent.starts_with('+') || exponent.starts_with('-')) exponent.remove_prefix(1);
    if (exponent.empty() || !AllDigits(exponent)) return std::nullopt;
  }
  std::string_view whole = text;
  if (const std::size_t point = text.find(separators.decimal); point != std::string_view::npos) {
    whole = text.substr(0, point);
    const std::string_view fraction = text.substr(point + separators.decimal.size());
    if (!AllDigits(fraction)) return std::nullopt;
    number.fraction = fraction;
  }
  // Where the locale groups digits with a no-break space, either no-break
  // space or a plain space joins groups: each is first made the locale's own.
  std::string joined;
  const bool spaces_join =
      separators.thousands == kNarrowNoBreakSpace || separators.thousands == kNoBreakSpace;
  for (std::string_view rest = whole; !rest.empty();) {
    bool replaced = false;
    for (const std::string_view space : {kNarrowNoBreakSpace, kNoBreakSpace, kSpace}) {
      if (spaces_join && rest.starts_with(space)) {
        joined += separators.thousands;
        rest.remove_prefix(space.size());
        replaced = true;
        break;
      }
    }
    if (!replaced) {
      joined += rest.front();
      rest.remove_prefix(1);
    }
  }
  whole = joined;
  // The whole part: groups of digits joined by single thousands separators.
  while (!whole.empty()) {
    const std::size_t separator =
        separators.thousands.empty() ? std::string_view::npos : whole.find(separators.thousands);
    const std::string_view group = whole.substr(0, separator);
    if (group.empty() || !AllDigits(group)) return std::nullopt;
    number.whole += group;
    if (separator == std::string_view::npos) break;
    whole.remove_prefix(separator + separators.thousands.size());
    if (whole.empty()) return std::nullopt;  // A separator at the end.
  }
  if (number.whole.empty() && number.fraction.empty()) return std::nullopt;
  return number;
}

// Whether the exact value is a half: after dropping trailing zeros, one
// digit after the point, and it is a 5.
bool IsExactHalf(const Recognised& number) {
  std::string digits = number.whole + number.fraction;
  long long exponent = -static_cast<long long>(number.fraction.size());
  // An exponent this large in magnitude puts any digits far from a half.
  const std::string_view written = number.exponent;
  if (written.size() > 12) return false;
  if (!written.empty()) exponent += std::stoll(std::string(written));
  while (!digits.empty() && digits.back() == '0') {
    digits.pop_back();
    ++exponent;
  }
  return exponent == -1 && !digits.empty() && digits.back() == '5';
}

template <typename Convert>
auto Outcome(Convert convert) -> std::pair<std::optional<decltype(convert())>, int> {
  try {
    return {convert(), 0};
  } catch (const Error& error) {
    return {std::nullopt, error.number()};
  }
}

void Check(std::string_view text, const NumberSeparators& separators) {
  const auto [integer, integer_error] = Outcome([&] { return TextToInt16(text, separators); });
  const auto [real, real_error] = Outcome([&] { return TextToDouble(text, separators); });
  const std::optional<Recognised> number = Recognise(text, separators);
  if (!number) {
    if (integer_error != kTypeMismatch || real_error != kTypeMismatch) std::abort();
    return;
  }
  if (integer_error != 0 && integer_error != kOverflow) std::abort();
  if (real_error != 0 && real_error != kOverflow) std::abort();

  // The same digits in the C notation, for strtod.
  std::string c_text = number->negative ? "-" : "";
  c_text += number->whole + "." + number->fraction;
  if (!number->exponent.empty()) c_text += "e" + number->exponent;
  char* end = nullptr;
  errno = 0;
  const double reference = std::strtod(c_text.c_str(), &end);
  if (end != c_text.c_str() + c_text.size()) std::abort();  // The recogniser is wrong.
  const bool reference_overflows = errno == ERANGE && std::isinf(reference);
  if (reference_overflows != (real_error == kOverflow)) std::abort();
  if (real_error != 0) {
    if (integer_error != kOverflow) std::abort();  // Beyond any double is beyond 16 bits.
    return;
  }
  if (*real != reference || std::signbit(*real) != std::signbit(reference)) std::abort();

  const double value = *real;
  if (integer_error == kOverflow) {
    if (value < 32767.5 && value > -32768.5) std::abort();
    return;
  }
  if (value > 32767.5 || value < -32768.5) std::abort();
  const double down = std::floor(value);
  if (value - down == 0.5 && !IsExactHalf(*number)) {
    // The double rounded the digits onto a half; the integer, decided on
    // the digits themselves, may lie on either side of it.
    if (*integer != down && *integer != down + 1) std::abort();
  } else if (*integer != std::nearbyint(value)) {
    std::abort();
  }
}

}  // namespace
}  // namespace quillfold

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  static const quillfold::NumberSeparators kSeparators[] = {
      {".", ""},              // The C locale.
      {",", "."},             // German.
      {",", "\xE2\x80\xAF"},  // French: a narrow no-break space, three bytes.
      {",", "\xC2\xA0"},      // Older French data: a no-break space.
  };
  for (const auto& separators : kSeparators) quillfold::Check(text, separators);
  return 0;
}
