#include "window/shared/error_report.h"

#include <gtest/gtest.h>

namespace quillfold {
namespace {

TEST(ErrorReportTest, HeadingGivesNumberAndTextDetailShowsEveryCharacter) {
  struct Case {
    Error error;
    ErrorReport text;
  };
  const Case cases[] = {
      {Error(kPathNotFound, "/gone"), {"Error 76: Path not found", "/gone"}},
      {Error(kTypeMismatch, "links per page: abc"),
       {"Error 13: Type mismatch", "links per page: abc"}},
      // A name's control and direction characters show by their code.
      {Error(kPathNotFound, "/a\u202Eb\tc"), {"Error 76: Path not found", "/a<U+202E>b<U+0009>c"}},
  };
  for (const Case& c : cases) EXPECT_EQ(ErrorReportOf(c.error), c.text) << c.error.detail();
}

}  // namespace
}  // namespace quillfold
