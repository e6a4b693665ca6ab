#ifndef QUILLFOLD_TESTING_FAKE_DISK_H_
#define QUILLFOLD_TESTING_FAKE_DISK_H_

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "runtime/disk.h"
#include "runtime/path.h"
#include "testing/system_values.h"

namespace quillfold::testing {

// Folders and files in memory, with faults on demand: a disk that fills up
// after a number of bytes, a close or a cut that fails, files that cannot be
// opened, names that are no regular file, folders that cannot be listed, a
// folder another run holds locked. Files are kept by their whole path, the
// folder's path and the name joined by the system's separator. Error codes
// are the system's (see testing/system_values.h).
class FakeDisk : public Disk {
 public:
  struct Entry {
    std::string name;
    bool is_folder = false;
  };

  std::map<std::string, std::vector<Entry>> folders;  // path -> entries, in listing order
  std::map<std::string, std::string> files;           // path -> bytes
  std::map<std::string, int> open_errors;             // path -> error code of its open
  std::map<std::string, FileKind> kinds;              // path -> what it is, when no regular file
  std::set<std::string> locked;                       // folders whose lock a run holds
  std::map<std::string, std::uint64_t> ids;           // path -> file id, when not its own
  std::map<std::string, int> status_errors;           // path -> error code of its status
  // Runs before a filtered file is opened through its filter.
  std::function<void()> before_filtered_open;
  int filtered_opens = 0;
  std::size_t space = std::numeric_limits<std::size_t>::max();      // bytes left
  std::size_t max_write = std::numeric_limits<std::size_t>::max();  // per call
  int close_error = 0;
  int truncate_error = 0;
  int open_count = 0;
  int most_open = 0;
  int write_calls = 0;

  // A folder holding `names` as files, in that order.
  void AddFolder(const std::string& path, const std::vector<std::string>& names) {
    std::vector<Entry>& entries = folders[path];
    for (const std::string& name : names) entries.push_back({name, false});
  }

  int OpenFolder(const std::string& path, FolderHandle& folder) override {
    if (folders.count(path) == 0) return kNotFoundCode;
    folder = FolderHandle{next_handle_++};
    open_folders_[folder] = {path, false};
    return 0;
  }

  int LockFolder(FolderHandle folder, bool& taken) override {
    OpenFolderState& state = open_folders_.at(folder);
    taken = locked.insert(state.path).second;
    state.holds_lock = taken;
    return 0;
  }

  int CloseFolder(FolderHandle folder) override {
    const OpenFolderState state = open_folders_.at(folder);
    if (state.holds_lock) locked.erase(state.path);
    open_folders_.erase(folder);
    return 0;
  }

  int ListFolder(FolderHandle folder, EntryKind kind,
                 const std::function<void(std::string_view name)>& add) override {
    for (const Entry& entry : folders.at(open_folders_.at(folder).path)) {
      if (entry.is_folder == (kind == EntryKind::kFolder)) add(entry.name);
    }
    return 0;
  }

  int OpenForAppend(FolderHandle folder, const std::string& name, FileHandle& file,
                    bool& made_now) override {
    const std::string path = PathIn(folder, name);
    if (auto it = open_errors.find(path); it != open_errors.end()) return it->second;
    // Created empty when absent, kept when present.
    made_now = files.try_emplace(path).second;
    file = FileHandle{next_handle_++};
    if (made_now) made_here_.insert(file);
    open_[file] = path;
    ++open_count;
    most_open = std::max(most_open, open_now());
    return 0;
  }

  int OpenFilteredForAppend(FolderHandle folder, const std::string& name,
                            FileHandle& file) override {
    if (before_filtered_open) before_filtered_open();
    ++filtered_opens;
    bool made_now;
    return OpenForAppend(folder, name, file, made_now);
  }

  int RemoveMade(FolderHandle, const std::string&, FileHandle file) override {
    const std::string& path = open_.at(file);
    // Only a file its own open made, still empty, may go.
    if (made_here_.count(file) == 0 || files.at(path).size() != 0) return kAccessDeniedCode;
    files.erase(path);
    return 0;
  }

  int Status(FileHandle file, FileStatus& status) override {
    return StatusOf(open_.at(file), status);
  }

  int LinkStatus(FolderHandle folder, const std::string& name, FileStatus& status) override {
    return StatusOf(PathIn(folder, name), status);
  }

  int Write(FileHandle file, std::string_view data, std::size_t& written) override {
    ++write_calls;
    written = 0;
    if (space == 0) return kDiskFullCode;
    written = std::min({data.size(), space, max_write});
    files[open_.at(file)].append(data.substr(0, written));
    if (space != std::numeric_limits<std::size_t>::max()) space -= written;
    return 0;
  }

  int Truncate(FileHandle file, std::int64_t length) override {
    if (truncate_error != 0) return truncate_error;
    files[open_.at(file)].resize(static_cast<std::size_t>(length));
    return 0;
  }

  int Close(FileHandle file) override {
    open_.erase(file);
    made_here_.erase(file);
    return close_error;
  }

  int open_now() const { return static_cast<int>(open_.size()); }
  int open_folders_now() const { return static_cast<int>(open_folders_.size()); }

 private:
  struct OpenFolderState {
    std::string path;
    bool holds_lock;
  };

  std::string PathIn(FolderHandle folder, const std::string& name) const {
    std::string path = open_folders_.at(folder).path;
    if (path.empty() || path.back() != kPathSeparator) path += kPathSeparator;
    return path + name;
  }

  int StatusOf(const std::string& path, FileStatus& status) {
    if (auto it = status_errors.find(path); it != status_errors.end()) return it->second;
    const auto file = files.find(path);
    const auto kind = kinds.find(path);
    if (file == files.end() && kind == kinds.end()) return kNotFoundCode;
    status.kind = kind == kinds.end() ? FileKind::kRegular : kind->second;
    status.size = file == files.end() ? 0 : static_cast<std::int64_t>(file->second.size());
    status.volume = 1;
    const auto id = ids.find(path);
    status.id.low = id == ids.end() ? std::hash<std::string>()(path) : id->second;
    return 0;
  }

  std::map<FileHandle, std::string> open_;
  std::set<FileHandle> made_here_;  // Open files their open created.
  std::map<FolderHandle, OpenFolderState> open_folders_;
  std::intptr_t next_handle_ = 3;
};

}  // namespace quillfold::testing

#endif  // QUILLFOLD_TESTING_FAKE_DISK_H_
