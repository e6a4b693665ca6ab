// What the system alone costs for the command line's file work, done with
// the calls the engine makes and nothing else, so that a benchmark can tell
// the system's share of a run from the program's:
//
//   system_floor list FOLDER          lists FOLDER as the engine does and
//                                     prints how many entries it holds;
//   system_floor create FOLDER COUNT  makes COUNT new empty files
//                                     floor-N.tmp in FOLDER one after the
//                                     other, as paging makes its pages.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

int List(const std::wstring& folder) {
  WIN32_FIND_DATAW entry;
  const HANDLE find = FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic, &entry,
                                       FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (find == INVALID_HANDLE_VALUE) return 1;
  long entries = 0;
  do {
    ++entries;
  } while (FindNextFileW(find, &entry));
  FindClose(find);
  std::printf("%ld\n", entries);
  return 0;
}

int Create(const std::wstring& folder, long count) {
  for (long i = 1; i <= count; ++i) {
    const std::wstring path = folder + L"\\floor-" + std::to_wstring(i) + L".tmp";
    const HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    CloseHandle(file);
  }
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 3 && std::wcscmp(argv[1], L"list") == 0) return List(argv[2]);
  if (argc == 4 && std::wcscmp(argv[1], L"create") == 0) {
    return Create(argv[2], std::wcstol(argv[3], nullptr, 10));
  }
  std::fputs("usage: system_floor list FOLDER | create FOLDER COUNT\n", stderr);
  return 2;
}
