#ifndef QUILLFOLD_PLATFORM_WINDOWS_COMMAND_LINE_H_
#define QUILLFOLD_PLATFORM_WINDOWS_COMMAND_LINE_H_

#include <string>
#include <string_view>
#include <vector>

namespace quillfold {

// A Windows command line split into its arguments, the program's name
// first, by the rules Microsoft documents for the C run-time and
// CommandLineToArgvW ("Parsing C++ command-line arguments"; CommandLineToArgvW,
// Remarks): blanks and tabs outside quotes separate arguments; the
// program's name ends at the first of them outside quotes and takes no
// escapes; 2n backslashes before a quote give n and the quote opens or
// closes a quoted part, 2n+1 give n and a literal quote; "" inside a quoted
// part is a literal quote that ends the part; other backslashes are literal.
// One case reads otherwise: inside a quoted part, a quote escaped by its
// backslash and followed by a blank or the end closes the part and keeps
// the backslash. Explorer and scripts quote a folder as "%1", so a root or
// a folder with a trailing backslash comes as "C:\" or "C:\t1\", which the
// documented rules read as C:" or C:\t1" with the rest of the line, options
// too, in the same argument. No Windows path holds a quote, and a quote at
// the end of a quoted argument is written "\"" anyway.
std::vector<std::wstring> SplitCommandLine(std::wstring_view line);

// The arguments this program was started with, after its name, split by
// SplitCommandLine from GetCommandLineW and given as UTF-8 (WTF-8 for a
// lone surrogate).
std::vector<std::string> ProgramArguments();

}  // namespace quillfold

#endif  // QUILLFOLD_PLATFORM_WINDOWS_COMMAND_LINE_H_
