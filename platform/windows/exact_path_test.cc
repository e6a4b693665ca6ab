// Folder paths whose names end in dots or blanks: the exact full form, the
// check that keeps it, and the real folders under the system.

#include "platform/windows/exact_path.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "listing/list_folder_files.h"
#include "platform/absolute_folder.h"
#include "platform/windows/wide_text.h"
#include "testing/temp_folder.h"

namespace quillfold {
namespace {

TEST(ExactPathTest, KeepsEveryNameAsWrittenWhateverTheForm) {
  const struct {
    std::wstring path;
    std::wstring current_folder;
    std::wstring exact;
  } kCases[] = {
      {LR"(C:\a\foo.)", LR"(C:\w)", LR"(C:\a\foo.)"},
      {LR"(C:\a\bar )", LR"(C:\w)", LR"(C:\a\bar )"},
      {LR"(C:/a//foo./sub.\)", LR"(C:\w)", LR"(C:\a\foo.\sub.)"},
      {LR"(C:\a\.\b. \..\c..)", LR"(C:\w)", LR"(C:\a\c..)"},
      {LR"(C:\..\..\x.\..)", LR"(C:\w)", LR"(C:\)"},
      {LR"(foo. )", LR"(C:\w)", LR"(C:\w\foo. )"},
      {LR"(..\up.\...)", LR"(C:\w\v)", LR"(C:\w\up.\...)"},
      {LR"(\top.)", LR"(C:\w)", LR"(C:\top.)"},
      {LR"(\top.)", LR"(\\srv\share\w)", LR"(\\srv\share\top.)"},
      {LR"(c:x.)", LR"(C:\w)", LR"(C:\w\x.)"},
      {LR"(D:x.)", LR"(C:\w)", LR"(D:\d\x.)"},
      {LR"(D:)", LR"(C:\w)", LR"(D:\d)"},
      {LR"(\\srv\share.\x.\..\y )", LR"(C:\w)", LR"(\\srv\share.\y )"},
      {LR"(//srv//share/x/)", LR"(C:\w)", LR"(\\srv\share\x)"},
      {LR"(\\srv\share\..\..)", LR"(C:\w)", LR"(\\srv\share)"},
      {LR"(\\?\C:\foo.\.)", LR"(C:\w)", LR"(\\?\C:\foo.\.)"},
      // No exact form: a device path, a share path without its share, a
      // relative path from a current folder the system cannot name.
      {LR"(\\.\C:\foo.)", LR"(C:\w)", L""},
      {LR"(//?/C:\foo.)", LR"(C:\w)", L""},
      {LR"(\\srv\)", LR"(C:\w)", L""},
      {LR"(foo.)", L"", L""},
  };
  const auto drive_folder = [](wchar_t drive) {
    return drive == L'D' ? std::wstring(LR"(D:\d)") : std::wstring();
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(ExactFullPath(c.path, c.current_folder, drive_folder), c.exact) << FromWide(c.path);
  }
}

TEST(ExactPathTest, StandsForAFolderOrWhenItsCheckFailedOtherwise) {
  const struct {
    DWORD attributes;
    DWORD error;
    bool stands;
  } kCases[] = {
      {FILE_ATTRIBUTE_DIRECTORY, 0, true},
      {FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT, 0, true},
      {FILE_ATTRIBUTE_ARCHIVE, 0, false},
      {INVALID_FILE_ATTRIBUTES, ERROR_FILE_NOT_FOUND, false},
      {INVALID_FILE_ATTRIBUTES, ERROR_PATH_NOT_FOUND, false},
      {INVALID_FILE_ATTRIBUTES, ERROR_INVALID_NAME, false},
      {INVALID_FILE_ATTRIBUTES, ERROR_BAD_NETPATH, false},
      {INVALID_FILE_ATTRIBUTES, ERROR_BAD_NET_NAME, false},
      {INVALID_FILE_ATTRIBUTES, ERROR_ACCESS_DENIED, true},
      {INVALID_FILE_ATTRIBUTES, ERROR_NETNAME_DELETED, true},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(ExactFormStands(c.attributes, c.error), c.stands) << c.attributes << " " << c.error;
  }
}

// Real folders whose names Windows' own full form would shorten, each
// beside the folder that form names (made through the "\\?\" form, as
// another system's files arrive).
class ExactFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* folder : {"foo", "foo.", "bar ", "mid.", "mid.\\in", "foo\\only-foo",
                               "foo.\\only-foo-dot", "bar \\only-bar-blank"}) {
      ASSERT_TRUE(CreateDirectoryW(Long(folder).c_str(), nullptr)) << folder;
    }
  }

  std::wstring Long(const std::string& name) const { return L"\\\\?\\" + ToWide(temp_ / name); }

  testing::TempFolder temp_;
};

TEST_F(ExactFolderTest, APathNamingAFolderExactlyOpensThatFolder) {
  const struct {
    std::string given;
    std::string folder;  // The folder it must name.
  } kCases[] = {
      {"foo.", "foo."},
      {"foo", "foo"},
      {"bar ", "bar "},
      {"mid.\\in", "mid.\\in"},
      {"foo.\\.\\", "foo."},
      // No folder of that exact name: Windows' own form.
      {"gone.", "gone"},
      {"bar  ", "bar"},
      {"mid.\\in.", "mid\\in"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.given);
    EXPECT_EQ(AbsoluteFolder(temp_ / c.given, ParentSteps::kUpThePath), temp_ / c.folder);
    EXPECT_EQ(SystemPath(temp_ / c.given), Long(c.folder));
  }
}

TEST_F(ExactFolderTest, AFolderListLineListsItsOwnFolder) {
  // A line's path is its open folder's and the name the listing gave.
  const struct {
    std::string line;
    std::string subfolder;
  } kCases[] = {{"foo", "only-foo"}, {"foo.", "only-foo-dot"}, {"bar ", "only-bar-blank"}};
  for (const auto& c : kCases) {
    const FileNameList listed = ListSubfolders(temp_ / c.line);
    ASSERT_EQ(listed.size(), 1u) << c.line;
    EXPECT_EQ(std::string(listed[0]), c.subfolder) << c.line;
  }
}

}  // namespace
}  // namespace quillfold
