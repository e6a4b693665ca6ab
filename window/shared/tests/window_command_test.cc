#include "window/shared/window_command.h"

#include <gtest/gtest.h>

#include <string>

namespace quillfold {
namespace {

TEST(WindowCommandTest, OneFolderThatIsNeitherEmptyNorBlank) {
  struct Case {
    std::string argument;
    std::string folder_before;
    std::string mistake;
  };
  const Case cases[] = {
      {"docs", "", ""},
      {"-h", "", ""},
      {"b", "a", "more than one folder given"},
      {"", "", "the folder is an empty text"},
      {"  ", "", "the folder is blank"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FolderMistake(c.argument, c.folder_before), c.mistake) << c.argument;
  }
}

}  // namespace
}  // namespace quillfold
