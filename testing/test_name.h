#ifndef QUILLFOLD_TESTING_TEST_NAME_H_
#define QUILLFOLD_TESTING_TEST_NAME_H_

#include <cctype>
#include <string>
#include <string_view>

namespace quillfold::testing {

// A parameterised test's name from its row's description: GoogleTest takes
// letters and digits only.
inline std::string TestName(std::string_view what) {
  std::string name;
  for (const char c : what) {
    if (std::isalnum(static_cast<unsigned char>(c))) name += c;
  }
  return name;
}

}  // namespace quillfold::testing

#endif  // QUILLFOLD_TESTING_TEST_NAME_H_
