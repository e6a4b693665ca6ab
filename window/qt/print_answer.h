#ifndef QUILLFOLD_WINDOW_QT_PRINT_ANSWER_H_
#define QUILLFOLD_WINDOW_QT_PRINT_ANSWER_H_

#include <string_view>

namespace quillfold {

// Prints the answer to --help or --version on standard output and returns
// the exit status: 0, or 1 after saying on standard error why the answer
// could not be written (a full disk, a standard output that was closed),
// as quillfold-cli does.
int PrintAnswer(std::string_view text);

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_QT_PRINT_ANSWER_H_
