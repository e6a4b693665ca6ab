#include "window/shared/start_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace quillfold {
namespace {

TEST(StartFolderTest, TheCurrentFolderWhenItCanBeListedElseHome) {
  const struct {
    const char* what;
    StartPlaces places;
    std::string opened;
  } kCases[] = {
      {"current folder listed", {"/srv/site", true, "/home/ann", "/"}, "/srv/site"},
      {"current folder deleted", {"", false, "/home/ann", "/"}, "/home/ann"},
      {"current folder unreadable", {"/srv/locked", false, "/home/ann", "/"}, "/home/ann"},
      {"unreadable, no home", {"/srv/locked", false, "", "/"}, "/srv/locked"},
      {"deleted, no home", {"", false, "", "/"}, "/"},
      {"Windows profile folder",
       {"Z:\\tmp\\gone", false, "C:\\Users\\ann", "C:\\"},
       "C:\\Users\\ann"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(StartFolder(c.places), c.opened);
  }
}

}  // namespace
}  // namespace quillfold
