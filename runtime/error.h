#ifndef QUILLFOLD_RUNTIME_ERROR_H_
#define QUILLFOLD_RUNTIME_ERROR_H_

#include <exception>
#include <string>
#include <string_view>

namespace quillfold {

// Error numbers. They are the ones users of the classic version of this tool
// know from its error reports, so they are kept as they are.
enum ErrorNumber : int {
  kOverflow = 6,
  kTypeMismatch = 13,
  kCannotStartBrowser = 429,
  kDeviceIoError = 57,
  kDiskFull = 61,
  kTooManyFiles = 67,
  kPermissionDenied = 70,
  kPathFileAccessError = 75,
  kPathNotFound = 76,
};

// The one failure type of the engine: raised where a failure arises, never
// caught inside the engine, and reported once by the front end. A step that
// must finish its part on the way out does so with OnFailure
// (runtime/on_failure.h), which leaves the error as it is.
class Error : public std::exception {
 public:
  // `detail` names what failed, for example the file and the system's reason.
  Error(int number, std::string detail);

  int number() const { return number_; }
  // The error's fixed text for its number, such as "Overflow".
  const std::string& text() const { return text_; }
  const std::string& detail() const { return detail_; }
  const char* what() const noexcept override { return text_.c_str(); }

 private:
  int number_;
  std::string text_;
  std::string detail_;
};

// The fixed text for an error number ("Type mismatch" for 13).
std::string_view ErrorText(int number);

// The error for a failed file operation on `path`, numbered by the system's
// error code (errno; GetLastError() on Windows); its detail is the path and
// the system's own words for the reason.
Error FileError(int system_code, std::string_view path);

// The system's own words for one of its error codes, in UTF-8 and on one
// line: "No such file or directory" for ENOENT.
std::string SystemErrorText(int system_code);

}  // namespace quillfold

#endif  // QUILLFOLD_RUNTIME_ERROR_H_
