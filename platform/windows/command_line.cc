#include "platform/windows/command_line.h"

#include <windows.h>

#include <utility>

#include "platform/windows/wide_text.h"

namespace quillfold {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

}  // namespace

std::vector<std::wstring> SplitCommandLine(std::wstring_view line) {
  const std::size_t size = line.size();
  std::size_t i = 0;
  bool quoted = false;
  std::wstring name;
  for (; i < size && (quoted || !IsBlank(line[i])); ++i) {
    if (line[i] == L'"') {
      quoted = !quoted;
    } else {
      name += line[i];
    }
  }
  std::vector<std::wstring> arguments{name};
  for (;;) {
    while (i < size && IsBlank(line[i])) ++i;
    if (i == size) return arguments;
    std::wstring argument;
    quoted = false;
    while (i < size && (quoted || !IsBlank(line[i]))) {
      std::size_t backslashes = 0;
      for (; i < size && line[i] == L'\\'; ++i) ++backslashes;
      if (i == size || line[i] != L'"') {
        argument.append(backslashes, L'\\');
        if (backslashes == 0) argument += line[i++];
        continue;
      }
      argument.append(backslashes / 2, L'\\');
      const bool last = i + 1 == size || IsBlank(line[i + 1]);
      ++i;
      if (backslashes % 2 == 1) {
        if (quoted && last) {
          argument += L'\\';
          quoted = false;
        } else {
          argument += L'"';
        }
      } else if (quoted && i < size && line[i] == L'"') {
        argument += L'"';
        quoted = false;
        ++i;
      } else {
        quoted = !quoted;
      }
    }
    arguments.push_back(std::move(argument));
  }
}

std::vector<std::string> ProgramArguments() {
  const std::vector<std::wstring> split = SplitCommandLine(GetCommandLineW());
  std::vector<std::string> arguments;
  for (std::size_t i = 1; i < split.size(); ++i) arguments.push_back(FromWide(split[i]));
  return arguments;
}

}  // namespace quillfold
