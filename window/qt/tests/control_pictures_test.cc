#include "window/qt/control_pictures.h"

#include <gtest/gtest.h>

#include <QString>
#include <string>

namespace quillfold {
namespace {

TEST(ControlPicturesTest, ControlCharactersShowAsTheirPictures) {
  struct Case {
    std::string name;
    QString shown;
  };
  const Case cases[] = {
      {"", ""},
      {"plain name.txt", "plain name.txt"},
      {"cr\rname.txt", "cr\u240dname.txt"},
      {"nl\nname.txt", "nl\u240aname.txt"},
      {"crlf\r\n", "crlf\u240d\u240a"},
      {"esc\x1b[31mred", "esc\u241b[31mred"},
      {"tab\there", "tab\u2409here"},
      {std::string("nul\0byte", 8), "nul\u2400byte"},
      {"\x01\x1f", "\u2401\u241f"},
      {"del\x7f", "del\u2421"},
      // The neighbours of the control ranges stay.
      {" ~", " ~"},
      {"\xc3\x84pfel", "\u00c4pfel"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(QString::fromUtf8(WithControlPictures(c.name)), c.shown);
  }
}

TEST(ControlPicturesTest, BytesThatAreNoControlCharacterStayAsTheyAre) {
  // Not UTF-8, and bytes that are C1 controls only once decoded as Latin-1:
  // they must reach the decoder unchanged, as every name's other bytes do.
  for (const std::string name : {"caf\xe9", "\x80\x9f", "a\xff"}) {
    EXPECT_EQ(WithControlPictures(name), QByteArray::fromStdString(name));
  }
}

TEST(ControlPicturesTest, AppendsAfterWhatIsThere) {
  QByteArray log = "first\r\n";
  AppendWithControlPictures("a\rb", log);
  EXPECT_EQ(QString::fromUtf8(log), "first\r\na\u240db");
}

}  // namespace
}  // namespace quillfold
