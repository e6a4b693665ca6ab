#ifndef QUILLFOLD_RUNTIME_FILE_NAME_LIST_H_
#define QUILLFOLD_RUNTIME_FILE_NAME_LIST_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillfold {

// File names in one contiguous block: a folder of a million files costs one
// allocation per doubling instead of one per name.
class FileNameList {
 public:
  void Add(std::string_view name) {
    names_.append(name);
    ends_.push_back(names_.size());
  }

  std::size_t size() const { return ends_.size(); }
  bool empty() const { return ends_.empty(); }

  std::string_view operator[](std::size_t index) const {
    const std::size_t begin = index == 0 ? 0 : ends_[index - 1];
    return std::string_view(names_).substr(begin, ends_[index] - begin);
  }

 private:
  std::string names_;
  std::vector<std::size_t> ends_;
};

}  // namespace quillfold

#endif  // QUILLFOLD_RUNTIME_FILE_NAME_LIST_H_
