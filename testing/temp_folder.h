#ifndef QUILLFOLD_TESTING_TEMP_FOLDER_H_
#define QUILLFOLD_TESTING_TEMP_FOLDER_H_

#include <string>
#include <string_view>

#include "runtime/path.h"

namespace quillfold::testing {

// A fresh folder in the system's temporary area (/tmp, or TMPDIR), removed
// with everything in it on destruction. On POSIX systems it is open to all
// users so that tests can hand it to an unprivileged one.
class TempFolder {
 public:
  TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder();

  const std::string& path() const { return path_; }
  std::string operator/(std::string_view name) const {
    return path_ + kPathSeparator + std::string(name);
  }

 private:
  std::string path_;
};

std::string ReadFile(const std::string& path);
// Creates or replaces the file with exactly `content`.
void WriteFile(const std::string& path, std::string_view content);
// Creates the folder; its parent must exist.
void MakeFolder(const std::string& path);

}  // namespace quillfold::testing

#endif  // QUILLFOLD_TESTING_TEMP_FOLDER_H_
