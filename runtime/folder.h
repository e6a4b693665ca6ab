#ifndef QUILLFOLD_RUNTIME_FOLDER_H_
#define QUILLFOLD_RUNTIME_FOLDER_H_

#include <string>
#include <string_view>

#include "runtime/disk.h"

namespace quillfold {

// A folder held open from start to end of what is done in it, so that the
// files made there land in this folder even when its path comes to name
// another one meanwhile.
class Folder {
 public:
  // Opens the folder at `path`; raises its file error (76 when no folder is
  // there).
  Folder(Disk& disk, std::string path);
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;
  ~Folder();

  // Takes the lock that keeps a second run out of this folder while this
  // one lasts. Does not wait: a lock held by another run raises error 70.
  void LockForRun();

  Disk& disk() const { return disk_; }
  FolderHandle handle() const { return handle_; }
  // The path it was opened by, for messages.
  const std::string& path() const { return path_; }
  // The path of `name` in it, for messages.
  std::string PathOf(std::string_view name) const;

 private:
  Disk& disk_;
  std::string path_;
  FolderHandle handle_{};
};

}  // namespace quillfold

#endif  // QUILLFOLD_RUNTIME_FOLDER_H_
