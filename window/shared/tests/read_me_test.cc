#include "window/shared/read_me.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace quillfold {
namespace {

TEST(ReadMeTest, ThePublishersPageElseTheFirstLocalPageThatExists) {
  const std::vector<std::string> pages{"/usr/share/doc/quillfold/readme.html",
                                       "/src/quillfold/docs/readme.html"};
  const struct {
    const char* what;
    std::string host;
    std::set<std::string> existing;
    ReadMeTarget target;
  } kCases[] = {
      {"publisher", "example.org", {pages[0]}, {"http://example.org/Quillfold/readme.html", false}},
      {"installed", "", {pages[0], pages[1]}, {pages[0], true}},
      {"source tree", "", {pages[1]}, {pages[1], true}},
      {"none: where it belongs", "", {}, {pages[0], true}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ChooseReadMe(c.host, pages,
                           [&](const std::string& path) { return c.existing.contains(path); }),
              c.target);
  }
}

TEST(ReadMeTest, AMissingPageOrNoBrowserIsError429NamingTheAddress) {
  const ReadMeTarget local{"/doc/readme.html", true};
  const ReadMeTarget remote{"http://example.org/Quillfold/readme.html", false};
  const struct {
    const char* what;
    ReadMeTarget target;
    bool exists;
    bool browser_opens;
    bool opened;         // Handed to the browser.
    std::string detail;  // Empty: no error.
  } kCases[] = {
      {"local page", local, true, true, true, ""},
      {"missing page", local, false, true, false, "no read-me page at file:///doc/readme.html"},
      {"no browser", local, true, false, true, "no browser opened file:///doc/readme.html"},
      {"publisher's page", remote, false, true, true, ""},
      {"publisher's page, no browser", remote, false, false, true,
       "no browser opened file:///doc/readme.html"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    bool opened = false;
    const std::optional<Error> error = OpenReadMe(
        c.target, "file:///doc/readme.html", [&](const std::string&) { return c.exists; },
        [&](const ReadMeTarget& target) {
          opened = target == c.target;
          return c.browser_opens;
        });
    EXPECT_EQ(opened, c.opened);
    EXPECT_EQ(error.has_value(), !c.detail.empty());
    if (error) {
      EXPECT_EQ(error->number(), 429);
      EXPECT_EQ(error->detail(), c.detail);
    }
  }
}

}  // namespace
}  // namespace quillfold
