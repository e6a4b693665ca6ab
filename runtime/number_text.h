#ifndef QUILLFOLD_RUNTIME_NUMBER_TEXT_H_
#define QUILLFOLD_RUNTIME_NUMBER_TEXT_H_

#include <cstdint>
#include <string>
#include <string_view>

namespace quillfold {

// The separators a number is written with in the user's language.
struct NumberSeparators {
  std::string decimal = ".";
  std::string thousands;  // empty: no thousands separator is accepted

  // The separators of the user's locale at this moment: LC_NUMERIC on POSIX
  // systems, the regional settings on Windows.
  static NumberSeparators FromCurrentLocale();
};

// Converts a number typed by the user: blanks (spaces and tabs) around it
// are ignored; one leading + or -; digits, with the thousands separator
// allowed between digits of the whole part; the decimal separator with
// digits after it (".5" and "5." are numbers, "." is not); an optional
// exponent (e or E, optional sign, digits). Text that is no number raises
// error 13 (Type mismatch).
//
// The integer is rounded to the nearest, halves to the even neighbour, from
// the exact decimal digits; a result outside -32768..32767 raises error 6.
std::int16_t TextToInt16(std::string_view text, const NumberSeparators& separators);
// A magnitude beyond the range of double raises error 6 (Overflow).
double TextToDouble(std::string_view text, const NumberSeparators& separators);

// The same, with the separators of the current locale.
std::int16_t TextToInt16(std::string_view text);
double TextToDouble(std::string_view text);

// Decimal digits, a minus sign only for negative values.
std::string IntToText(int value);

}  // namespace quillfold

#endif  // QUILLFOLD_RUNTIME_NUMBER_TEXT_H_
