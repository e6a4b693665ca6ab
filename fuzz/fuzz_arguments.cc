// Any command line (arguments separated by NUL bytes, which no argument can
// hold) into the argument parser. Beyond not crashing: a run always has a
// non-empty folder taken from the arguments; every value comes from an
// argument; help and version only when asked for; a usage error always says
// what was wrong; and a run's settings, written back as a canonical command
// line, parse to the same settings.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"

namespace {

using quillfold::CommandLine;
using quillfold::ParseArguments;

constexpr std::size_t kMostArguments = 32;

// Whether `value` stands in the arguments as a whole argument or after the
// first "=" of one.
bool ComesFrom(const std::vector<std::string_view>& arguments, std::string_view value) {
  for (const std::string_view argument : arguments) {
    if (argument == value) return true;
    const std::size_t equals = argument.find('=');
    if (equals != std::string_view::npos && argument.substr(equals + 1) == value) return true;
  }
  return false;
}

bool Contains(const std::vector<std::string_view>& arguments, std::string_view wanted) {
  for (const std::string_view argument : arguments) {
    if (argument == wanted) return true;
  }
  return false;
}

bool SameSettings(const CommandLine& a, const CommandLine& b) {
  return a.action == b.action && a.run.filter_on == b.run.filter_on &&
         a.run.filter_text == b.run.filter_text && a.run.paging_on == b.run.paging_on &&
         a.run.links_per_page_text == b.run.links_per_page_text &&
         a.null_terminated == b.null_terminated && a.run.folder_path == b.run.folder_path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::vector<std::string_view> arguments;
  for (std::size_t begin = 0; begin <= input.size() && arguments.size() < kMostArguments;) {
    std::size_t end = input.find('\0', begin);
    if (end == std::string_view::npos) end = input.size();
    arguments.push_back(input.substr(begin, end - begin));
    begin = end + 1;
  }

  const CommandLine command = ParseArguments(std::span<const std::string_view>(arguments));
  if (!SameSettings(command, ParseArguments(std::span<const std::string_view>(arguments)))) {
    std::abort();  // The parser keeps no state between calls.
  }
  switch (command.action) {
    case CommandLine::Action::kHelp:
      if (!Contains(arguments, "--help") && !Contains(arguments, "-h")) std::abort();
      return 0;
    case CommandLine::Action::kVersion:
      if (!Contains(arguments, "--version")) std::abort();
      return 0;
    case CommandLine::Action::kUsageError:
      if (command.usage_error.empty()) std::abort();
      return 0;
    case CommandLine::Action::kRun:
      break;
  }
  if (command.run.folder_path.empty() || !Contains(arguments, command.run.folder_path))
    std::abort();
  if (!command.usage_error.empty()) std::abort();
  if (command.run.filter_on ? !ComesFrom(arguments, command.run.filter_text)
                            : !command.run.filter_text.empty()) {
    std::abort();
  }
  if (command.run.links_per_page_text != quillfold::RunSettings().links_per_page_text &&
      !ComesFrom(arguments, command.run.links_per_page_text)) {
    std::abort();
  }
  if (command.run.paging_on && !Contains(arguments, "--paging")) std::abort();
  if (command.null_terminated && !Contains(arguments, "-0") && !Contains(arguments, "--null")) {
    std::abort();
  }

  // The same settings, written out canonically, with "--" so that a folder
  // starting with "-" stays a folder.
  std::vector<std::string_view> canonical;
  if (command.run.filter_on)
    canonical.insert(canonical.end(), {"--filter", command.run.filter_text});
  if (command.run.paging_on) canonical.push_back("--paging");
  if (command.null_terminated) canonical.push_back("--null");
  canonical.insert(canonical.end(), {"--links-per-page", command.run.links_per_page_text, "--",
                                     command.run.folder_path});
  if (!SameSettings(command, ParseArguments(std::span<const std::string_view>(canonical)))) {
    std::abort();
  }
  return 0;
}
