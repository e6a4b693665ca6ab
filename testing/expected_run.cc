#include "testing/expected_run.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <stdexcept>

#include "generation/link_record.h"
#include "testing/folder_snapshot.h"

namespace quillfold::testing {

std::vector<std::string> ListedFiles(const std::string& folder) {
  const int fd = OpenFolderByLevels(folder);
  DIR* dir = fd < 0 ? nullptr : fdopendir(fd);
  if (dir == nullptr) throw std::runtime_error("cannot list " + folder);
  std::vector<std::string> names;
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    struct stat status;
    if (fstatat(dirfd(dir), entry->d_name, &status, 0) == 0 && S_ISDIR(status.st_mode)) continue;
    names.push_back(name);
  }
  closedir(dir);
  return names;
}

void MakeEmptyFiles(const std::string& folder, const std::vector<std::string>& names) {
  const int dir_fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir_fd < 0) throw std::runtime_error("cannot open " + folder);
  for (const std::string& name : names) {
    const int fd = openat(dir_fd, name.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
      close(dir_fd);
      throw std::runtime_error("cannot create " + name);
    }
    close(fd);
  }
  close(dir_fd);
}

FolderBytes ExpectedRecords(const std::vector<std::string>& names, int links_per_page) {
  FolderBytes added;
  if (names.empty()) return added;
  const std::size_t per_page = links_per_page > 0 ? links_per_page : names.size();
  int pages = 0;
  for (std::size_t i = 0; i < names.size(); ++i) {
    const int page = static_cast<int>(i / per_page) + 1;
    const std::string page_name = "index" + std::to_string(page) + ".html";
    AppendLinkRecord(added[page_name], names[i], names[i]);
    pages = page;
  }
  if (links_per_page > 0) {
    std::string& master = added["index.html"];
    for (int page = 1; page <= pages; ++page) {
      const std::string page_name = "index" + std::to_string(page) + ".html";
      AppendLinkRecord(master, page_name, page_name);
    }
  }
  return added;
}

}  // namespace quillfold::testing
