// quillfold-cli's entry point on POSIX systems.

#include <clocale>
#include <csignal>
#include <string_view>
#include <vector>

#include "cli/system.h"
#include "platform/standard_descriptors.h"
#include "runtime/ending_signals.h"

int main(int argc, char** argv) {
  quillfold::OpenStandardDescriptors();
  quillfold::PrepareEndingSignals();
  // A reader that goes away must not end the run: writes to it fail instead.
  std::signal(SIGPIPE, SIG_IGN);
  std::setlocale(LC_ALL, "");
  const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  return quillfold::RunCommandLine(arguments);
}
