#ifndef QUILLFOLD_WINDOW_SHARED_ERROR_REPORT_H_
#define QUILLFOLD_WINDOW_SHARED_ERROR_REPORT_H_

#include <string>

#include "runtime/error.h"

namespace quillfold {

// An error as the window's error box tells it.
struct ErrorReport {
  std::string heading;  // "Error 76: Path not found".
  // The detail names a file, whose name may hold any character: shown as
  // AppendShownMessage shows them.
  std::string detail;

  friend bool operator==(const ErrorReport&, const ErrorReport&) = default;
};

ErrorReport ErrorReportOf(const Error& error);

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_SHARED_ERROR_REPORT_H_
