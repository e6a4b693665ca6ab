#ifndef QUILLFOLD_TESTING_DEEP_FOLDER_H_
#define QUILLFOLD_TESTING_DEEP_FOLDER_H_

#include <cstddef>
#include <string>
#include <vector>

namespace quillfold::testing {

// A chain of nested folders under `base` whose full path is exactly
// `path_length` bytes long, built one level at a time relative to its parent
// so that no call is ever handed the whole path. Each level's name is at
// most 255 bytes, the most a file system allows. Removed on destruction, the
// same way, since paths this long defeat the usual recursive removal.
class DeepFolder {
 public:
  DeepFolder(const std::string& base, std::size_t path_length);
  DeepFolder(const DeepFolder&) = delete;
  DeepFolder& operator=(const DeepFolder&) = delete;
  ~DeepFolder();

  const std::string& path() const { return path_; }
  // Creates empty files in the deepest folder.
  void MakeFiles(const std::vector<std::string>& names) const;

 private:
  std::string base_;
  std::vector<std::string> levels_;
  std::string path_;
};

}  // namespace quillfold::testing

#endif  // QUILLFOLD_TESTING_DEEP_FOLDER_H_
