#include "runtime/folder.h"

#include "runtime/error.h"
#include "runtime/path.h"

namespace quillfold {

Folder::Folder(Disk& disk, std::string path) : disk_(disk), path_(std::move(path)) {
  if (const int error = disk_.OpenFolder(path_, handle_)) throw FileError(error, path_);
}

Folder::~Folder() { disk_.CloseFolder(handle_); }

void Folder::LockForRun() {
  bool taken = false;
  if (const int error = disk_.LockFolder(handle_, taken)) throw FileError(error, path_);
  // Said as a file in use is on Windows: the other run is writing here.
  if (!taken) throw Error(kPermissionDenied, "another Quillfold run is writing in " + path_);
}

std::string Folder::PathOf(std::string_view name) const {
  std::string path = path_;
  if (path.empty() || path.back() != kPathSeparator) path += kPathSeparator;
  path += name;
  return path;
}

}  // namespace quillfold
