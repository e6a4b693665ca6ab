#include "window/win32/window_text.h"

#include <windows.h>

#include <cmath>

#include "platform/windows/wide_text.h"
#include "runtime/list_folder_files.h"
#include "runtime/shown_name.h"
#include "window/shared/error_report.h"

namespace quillfold {

std::wstring WideShownName(std::string_view name) {
  std::string shown;
  AppendShownName(name, shown);
  return ToWide(shown);
}

std::wstring EditBoxText(std::string_view text) {
  std::wstring wide;
  for (const wchar_t c : ToWide(text)) {
    if (c == L'\n') wide += L'\r';
    wide += c;
  }
  return wide;
}

std::wstring ErrorBoxText(const Error& error) {
  const ErrorReport text = ErrorReportOf(error);
  return ToWide(text.heading) + L"\r\n\r\n" + ToWide(text.detail);
}

int FontHeight(double points, int dots_per_inch) {
  return -static_cast<int>(std::lround(points * dots_per_inch / 72.0));
}

}  // namespace quillfold
