// quillfold-cli's entry point on Windows: the arguments are read as UTF-16
// from the command line itself, whatever the ANSI code page, by the rule
// the window reads its own with, and go on as UTF-8.

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "cli/system.h"
#include "platform/standard_descriptors.h"
#include "platform/windows/command_line.h"
#include "platform/windows/program_start.h"
#include "runtime/ending_signals.h"

// wmain (linked with -municode) only so that the C run-time reads nothing
// through the ANSI code page; its argv, split by the C run-time's rules,
// would read a quoted folder ending in a backslash as ending in a quote.
extern "C" int wmain(int, wchar_t**) {
  quillfold::StartProgram();
  quillfold::OpenStandardDescriptors();
  quillfold::PrepareEndingSignals();
  const std::vector<std::string> arguments = quillfold::ProgramArguments();
  const std::vector<std::string_view> views(arguments.begin(), arguments.end());
  return quillfold::RunCommandLine(views);
}
