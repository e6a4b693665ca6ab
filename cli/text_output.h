#ifndef QUILLFOLD_CLI_TEXT_OUTPUT_H_
#define QUILLFOLD_CLI_TEXT_OUTPUT_H_

#include <string_view>

namespace quillfold {

// Where the command line prints: standard output or error, or a stand-in.
class TextOutput {
 public:
  virtual ~TextOutput() = default;

  // Writes all of `text`: UTF-8, each line ending in "\n". Returns 0 or the
  // system's error code.
  virtual int Write(std::string_view text) = 0;
};

}  // namespace quillfold

#endif  // QUILLFOLD_CLI_TEXT_OUTPUT_H_
