#ifndef QUILLFOLD_TESTING_FOLDER_LOCK_H_
#define QUILLFOLD_TESTING_FOLDER_LOCK_H_

#include <string>

namespace quillfold::testing {

// The lock a run of quillfold-cli takes on its folder, held by the test as
// if another run were writing there, until destruction.
class FolderLock {
 public:
  explicit FolderLock(const std::string& folder);
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;
  ~FolderLock();

 private:
  int fd_;
};

}  // namespace quillfold::testing

#endif  // QUILLFOLD_TESTING_FOLDER_LOCK_H_
