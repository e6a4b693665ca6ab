// quillfold-cli's entry point on Windows: the arguments arrive as UTF-16
// (wmain, linked with -municode), whatever the ANSI code page, and go on as
// UTF-8.

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "cli/system.h"
#include "platform/ending_signals.h"
#include "platform/standard_descriptors.h"
#include "platform/windows/running_mark.h"
#include "platform/windows/wide_text.h"

extern "C" int wmain(int argc, wchar_t** argv) {
  quillfold::MarkRunning();
  // A drive without its medium fails the run instead of asking in a dialog.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  quillfold::OpenStandardDescriptors();
  quillfold::PrepareEndingSignals();
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back(quillfold::FromWide(argv[i]));
  const std::vector<std::string_view> views(arguments.begin(), arguments.end());
  return quillfold::RunCommandLine(views);
}
