// The command line's side of Windows.

#include "cli/system.h"

#include <windows.h>

#include <algorithm>

#include "platform/windows/wide_text.h"

namespace quillfold {
namespace {

HANDLE ToHandle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

// Text with each "\n" as the CR LF that Windows programs expect.
std::string WithCrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (const char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

int WriteToConsole(HANDLE console, std::string_view text) {
  const std::wstring wide = ToWide(WithCrLf(text));
  std::size_t done = 0;
  while (done < wide.size()) {
    // In pieces a console takes at once, never splitting a surrogate pair.
    std::size_t piece = std::min<std::size_t>(wide.size() - done, 8192);
    if (piece > 1 && wide[done + piece - 1] >= 0xD800 && wide[done + piece - 1] <= 0xDBFF) --piece;
    DWORD written = 0;
    if (!WriteConsoleW(console, wide.data() + done, static_cast<DWORD>(piece), &written, nullptr)) {
      return static_cast<int>(GetLastError());
    }
    if (written == 0) return ERROR_WRITE_FAULT;
    done += written;
  }
  return 0;
}

int WriteToFile(HANDLE file, std::string_view text) {
  const std::string bytes = WithCrLf(text);
  std::size_t done = 0;
  while (done < bytes.size()) {
    const auto piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 30));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, piece, &written, nullptr)) {
      return static_cast<int>(GetLastError());
    }
    if (written == 0) return ERROR_WRITE_FAULT;
    done += written;
  }
  return 0;
}

}  // namespace

std::string TypedText(std::string_view argument) { return std::string(argument); }

bool IsReaderGone(int system_code) {
  return system_code == ERROR_BROKEN_PIPE || system_code == ERROR_NO_DATA;
}

StandardStream::StandardStream(Which which)
    : handle_(reinterpret_cast<std::intptr_t>(
          GetStdHandle(which == Which::kOutput ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE))) {
  DWORD mode;
  // A console shows the Unicode that WriteConsoleW gives it, whatever its
  // output code page: no byte of it can be taken as a C1 control.
  terminal_ = GetConsoleMode(ToHandle(handle_), &mode) != 0 ? Terminal::kUtf8 : Terminal::kNone;
}

int StandardStream::Write(std::string_view text) {
  // A console shows UTF-16; bytes written to it would be read in the
  // console's code page, and names outside it would come out garbled.
  return terminal_ != Terminal::kNone ? WriteToConsole(ToHandle(handle_), text)
                                      : WriteToFile(ToHandle(handle_), text);
}

}  // namespace quillfold
