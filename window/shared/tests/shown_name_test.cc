#include "window/shared/shown_name.h"

#include <gtest/gtest.h>

#include <string>

namespace quillfold {
namespace {

std::string Shown(std::string_view name) {
  std::string shown;
  AppendShownName(name, shown);
  return shown;
}

TEST(ShownNameTest, LineBreakingCharactersShowAsPictures) {
  const struct {
    std::string name;
    std::string shown;
  } kCases[] = {
      {"", ""},
      {"plain name.txt", "plain name.txt"},
      {"cr\rname.txt", "cr\u240Dname.txt"},
      {"nl\nname.txt", "nl\u240Aname.txt"},
      {"crlf\r\n", "crlf\u240D\u240A"},
      {"esc\x1B[31mred", "esc\u241B[31mred"},
      {"tab\there", "tab\u2409here"},
      {std::string("nul\0byte", 8), "nul\u2400byte"},
      {"\x01\x1F", "\u2401\u241F"},
      {"del\x7F", "del\u2421"},
      {"line\u2028sep\u2029para", "line\u2424sep\u2424para"},
      // The neighbours of each range stay.
      {" ~", " ~"},
      {"\u2027\u202A\u2423\u2425", "\u2027\u202A\u2423\u2425"},
      {"\xC3\x84pfel", "\xC3\x84pfel"},
      // Bytes that are no UTF-8, also a separator cut short, reach the
      // decoder unchanged, as every other byte of a name does.
      {"caf\xE9", "caf\xE9"},
      {"\x80\x9F", "\x80\x9F"},
      {"cut\xE2\x80", "cut\xE2\x80"},
      {"\xE2\x80\x0A", "\xE2\x80\u240A"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(Shown(c.name), c.shown) << ::testing::PrintToString(c.name);
  }
}

TEST(ShownNameTest, AppendsAfterWhatIsThere) {
  std::string log = "first\r\n";
  AppendShownName("a\rb", log);
  EXPECT_EQ(log, "first\r\na\u240Db");
}

}  // namespace
}  // namespace quillfold
