// Folder paths whose names end in dots or blanks: the exact full form, the
// check that keeps it, and real folders under the system.

#include "platform/windows/exact_path.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/windows/wide_text.h"
#include "runtime/absolute_folder.h"
#include "runtime/list_folder_files.h"
#include "testing/temp_folder.h"

namespace quillfold {
namespace {

TEST(ExactPathTest, KeepsEveryNameAsWrittenWhateverTheForm) {
  const struct {
    std::wstring path, current_folder, exact;
  } kCases[] = {
      {LR"(C:/a//foo./bar \)", LR"(C:\w)", LR"(C:\a\foo.\bar )"},
      {LR"(C:\a\.\b. \..\..\..\c..)", LR"(C:\w)", LR"(C:\c..)"},
      {LR"(..\up.\...)", LR"(C:\w\v)", LR"(C:\w\up.\...)"},
      {LR"(\top.)", LR"(\\srv\share\w)", LR"(\\srv\share\top.)"},
      {LR"(c:x.)", LR"(C:\w)", LR"(C:\w\x.)"},
      {LR"(D:x.)", LR"(C:\w)", LR"(D:\d\x.)"},
      {LR"(//srv//share./x.\..\..)", LR"(C:\w)", LR"(\\srv\share.)"},
      {LR"(\\?\C:\foo.\.)", LR"(C:\w)", LR"(\\?\C:\foo.\.)"},
      // Device paths, a share path without its share, no current folder.
      {LR"(\\.\C:\foo.)", LR"(C:\w)", L""},
      {LR"(\\srv\)", LR"(C:\w)", L""},
      {LR"(foo.)", L"", L""},
  };
  const auto drive_folder = [](wchar_t drive) { return drive == L'D' ? LR"(D:\d)" : L""; };
  for (const auto& c : kCases) {
    EXPECT_EQ(ExactFullPath(c.path, c.current_folder, drive_folder), c.exact) << FromWide(c.path);
  }
}

TEST(ExactPathTest, StandsForAFolderOrWhenItsCheckFailedOtherwise) {
  const struct {
    DWORD attributes, error;
    bool stands;
  } kCases[] = {{FILE_ATTRIBUTE_DIRECTORY, 0, true},
                {FILE_ATTRIBUTE_ARCHIVE, 0, false},
                {INVALID_FILE_ATTRIBUTES, ERROR_FILE_NOT_FOUND, false},
                {INVALID_FILE_ATTRIBUTES, ERROR_PATH_NOT_FOUND, false},
                {INVALID_FILE_ATTRIBUTES, ERROR_INVALID_NAME, false},
                {INVALID_FILE_ATTRIBUTES, ERROR_BAD_NETPATH, false},
                {INVALID_FILE_ATTRIBUTES, ERROR_BAD_NET_NAME, false},
                {INVALID_FILE_ATTRIBUTES, ERROR_ACCESS_DENIED, true}};
  for (const auto& c : kCases) EXPECT_EQ(ExactFormStands(c.attributes, c.error), c.stands);
}

// Each beside the folder Windows' own shortening names, made through the
// "\\?\" form as another system's folders arrive.
TEST(ExactFolderTest, APathNamingAFolderExactlyOpensThatFolder) {
  testing::TempFolder temp;
  const auto long_form = [&](const std::string& name) { return L"\\\\?\\" + ToWide(temp / name); };
  for (const char* name : {"foo", "foo.", "bar ", "mid.", "mid.\\in", "foo.\\sub"}) {
    ASSERT_TRUE(CreateDirectoryW(long_form(name).c_str(), nullptr)) << name;
  }
  const struct {
    std::string given, folder;
  } kCases[] = {{"foo.", "foo."},         {"foo", "foo"},    {"bar ", "bar "},
                {"mid.\\in", "mid.\\in"}, {"gone.", "gone"}, {"mid.\\in.", "mid\\in"}};
  for (const auto& c : kCases) {
    EXPECT_EQ(AbsoluteFolder(temp / c.given), temp / c.folder) << c.given;
    EXPECT_EQ(SystemPath(temp / c.given), long_form(c.folder)) << c.given;
  }
  // A folder list line: its open folder's path and the name listed.
  EXPECT_EQ(ListSubfolders(temp / "foo.").size(), 1u);
  EXPECT_EQ(ListSubfolders(temp / "foo").size(), 0u);
}

}  // namespace
}  // namespace quillfold
