#include "bench/bench_support.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace quillfold::bench {

Measurement TimeCommand(const std::vector<std::string>& argv, const std::string& dir) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    if (chdir(dir.c_str()) != 0) _exit(126);
    const int null_fd = open("/dev/null", O_WRONLY);
    dup2(null_fd, STDOUT_FILENO);
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s failed with status %d\n", argv[0].c_str(), status);
    std::exit(1);
  }
  return {elapsed.count(), usage.ru_maxrss};
}

void MakeNumberedFiles(const std::string& folder, const char* pattern, int count) {
  std::filesystem::create_directories(folder);
  const std::string path_pattern = folder + "/" + pattern;
  std::vector<char> path(path_pattern.size() + 32);
  for (int i = 0; i < count; ++i) {
    std::snprintf(path.data(), path.size(), path_pattern.c_str(), i);
    const int fd = open(path.data(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || close(fd) != 0) {
      std::perror(path.data());
      std::exit(1);
    }
  }
}

void RemovePageFiles(const std::string& folder) {
  // Names are gathered first: removing entries while reading the folder
  // may make readdir skip or repeat some.
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return;
  std::vector<std::string> pages;
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (name.starts_with("index") && name.ends_with(".html")) pages.push_back(name);
  }
  closedir(dir);
  for (const std::string& name : pages) unlink((folder + "/" + name).c_str());
}

}  // namespace quillfold::bench
