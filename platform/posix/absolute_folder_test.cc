#include "runtime/absolute_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "testing/temp_folder.h"

namespace quillfold {
namespace {

// Runs from `folder` for the test's life.
class InFolder {
 public:
  explicit InFolder(const std::string& folder) : previous_(AbsoluteFolder(".")) {
    EXPECT_EQ(chdir(folder.c_str()), 0) << folder;
  }
  ~InFolder() { EXPECT_EQ(chdir(previous_.c_str()), 0); }

 private:
  std::string previous_;
};

// The command line's own rule, ".." kept after a name the user gave, is
// checked where it shows: the folder named in quillfold-cli's messages.
TEST(AbsoluteFolderTest, UpThePathStepsOverEveryParentPart) {
  testing::TempFolder temp;
  testing::MakeFolder(temp / "here");
  const InFolder in_here(temp / "here");
  // As the system names it, whatever links lead to the temporary folder.
  char* cwd = getcwd(nullptr, 0);
  ASSERT_NE(cwd, nullptr);
  const std::string here = cwd;
  std::free(cwd);
  const std::string parent = here.substr(0, here.rfind('/'));
  const struct {
    std::string folder;
    std::string absolute;
  } kCases[] = {
      {"", here},
      {".", here},
      {"photos", here + "/photos"},
      {"./photos//2026/", here + "/photos/2026"},
      {"photos/../music", here + "/music"},
      {"link/..", here},
      {"a/b/../../..", parent},
      {"../../../../../../../../../../../../../../../..", "/"},
      {"/", "/"},
      {"//srv//./share/../data/", "/srv/data"},
      {"/..", "/"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.folder);
    EXPECT_EQ(AbsoluteFolder(c.folder, ParentSteps::kUpThePath), c.absolute);
  }
}

}  // namespace
}  // namespace quillfold
