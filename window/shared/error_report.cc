#include "window/shared/error_report.h"

#include "runtime/shown_name.h"

namespace quillfold {

ErrorReport ErrorReportOf(const Error& error) {
  ErrorReport text{"Error " + std::to_string(error.number()) + ": " + error.text(), ""};
  AppendShownMessage(error.detail(), text.detail);
  return text;
}

}  // namespace quillfold
