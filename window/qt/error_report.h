#ifndef QUILLFOLD_WINDOW_QT_ERROR_REPORT_H_
#define QUILLFOLD_WINDOW_QT_ERROR_REPORT_H_

#include <functional>

#include "runtime/error.h"

class QMessageBox;
class QWidget;

namespace quillfold {

// Tells the user about a failed action: a modal box with an OK button,
// titled with the product name, giving the error's number, text and detail.
// Returns once the user has closed it; the program then carries on.
void ReportError(QWidget* parent, const Error& error);

// While set, a report hands its fully prepared box to `capture` instead of
// waiting for a click, so tests can check it; an empty function shows boxes
// again.
using ErrorBoxCapture = std::function<void(QMessageBox& box)>;
void SetErrorBoxCapture(ErrorBoxCapture capture);

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_QT_ERROR_REPORT_H_
