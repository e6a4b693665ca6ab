#ifndef QUILLFOLD_TESTING_NUMBER_ROWS_H_
#define QUILLFOLD_TESTING_NUMBER_ROWS_H_

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "runtime/error.h"
#include "runtime/number_text.h"

namespace quillfold::testing {

// Tables of number texts with what converting them gives, for the tests of
// the conversions on every system and in every locale.

inline constexpr int kNoError = 0;

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
    SCOPED_TRACE(::testing::Message() << "text \"" << row.text << '"');
    Value value{};
    EXPECT_EQ(ErrorOf([&] { value = convert(row.text); }), row.error);
    if (row.error == kNoError) {
      EXPECT_EQ(value, row.value);
    }
  }
}

inline void CheckRejected(const std::vector<std::string_view>& texts,
                          const NumberSeparators& separators) {
  for (std::string_view text : texts) {
    SCOPED_TRACE(::testing::Message() << "text \"" << text << '"');
    EXPECT_EQ(ErrorOf([&] { TextToInt16(text, separators); }), kTypeMismatch);
    EXPECT_EQ(ErrorOf([&] { TextToDouble(text, separators); }), kTypeMismatch);
  }
}

}  // namespace quillfold::testing

#endif  // QUILLFOLD_TESTING_NUMBER_ROWS_H_
