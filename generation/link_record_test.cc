#include "generation/link_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "runtime/path.h"
#include "runtime/shown_name.h"

namespace quillfold {
namespace {

// Splits a record into its lines; fails the test unless each ends in CR LF.
std::vector<std::string> Lines(const std::string& record) {
  std::vector<std::string> lines;
  std::size_t begin = 0;
  for (std::size_t end; (end = record.find("\r\n", begin)) != std::string::npos; begin = end + 2) {
    lines.push_back(record.substr(begin, end - begin));
  }
  EXPECT_EQ(begin, record.size()) << "bytes after the last CR LF";
  return lines;
}

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string PercentDecode(std::string_view href) {
  std::string name;
  for (std::size_t i = 0; i < href.size(); ++i) {
    if (href[i] == '%') {
      name += static_cast<char>(std::stoi(std::string(href.substr(i + 1, 2)), nullptr, 16));
      i += 2;
    } else {
      name += href[i];
    }
  }
  return name;
}

std::string UnescapeHtml(std::string_view text) {
  std::string name;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '&') {
      name += text[i];
      continue;
    }
    const std::size_t semicolon = text.find(';', i);
    const std::string_view entity = text.substr(i + 1, semicolon - i - 1);
    if (entity == "amp")
      name += '&';
    else if (entity == "lt")
      name += '<';
    else if (entity == "gt")
      name += '>';
    else if (entity == "quot")
      name += '"';
    else if (entity == "#160")  // A blank the browser must not collapse.
      name += ' ';
    else if (entity[0] == '#')
      name += static_cast<char>(std::stoi(std::string(entity.substr(1))));
    else
      ADD_FAILURE() << "unknown reference " << entity;
    i = semicolon;
  }
  return name;
}

TEST(LinkRecordTest, PlainNameIsWrittenAsItIs) {
  std::string out = "old";
  AppendLinkRecord(out, "report.pdf", "report.pdf");
  EXPECT_EQ(out,
            "old<body>\r\n<p><a href=\"report.pdf\">report.pdf</a></p>\r\n<p></p>\r\n<body>\r\n");
}

TEST(LinkRecordTest, EmptyTargetAndTextLeaveOnlyTheFragments) {
  std::string out;
  AppendLinkRecord(out, "", "");
  EXPECT_EQ(Lines(out)[1], "<p><a href=\"\"></a></p>");
}

TEST(LinkRecordTest, EscapesWhatWouldBreakThePageOrTheLink) {
  const struct {
    std::string name;
    std::string link_line;
  } kCases[] = {
      {"my file.txt", R"x(<p><a href="my%20file.txt">my file.txt</a></p>)x"},
      {"a#b%c&d.txt", R"x(<p><a href="a%23b%25c%26d.txt">a#b%c&amp;d.txt</a></p>)x"},
      {"javascript:alert(1)",
       R"x(<p><a href="javascript%3Aalert(1)">javascript:alert(1)</a></p>)x"},
      {"\"><script>x", R"x(<p><a href="%22%3E%3Cscript%3Ex">&quot;&gt;&lt;script&gt;x</a></p>)x"},
      {"line\r\nbreak",
       R"x(<p><a href="line%0D%0Abreak">line&lt;U+000D&gt;&lt;U+000A&gt;break</a></p>)x"},
      {"Gr\xC3\xBC\xC3\x9F"
       "e",
       R"x(<p><a href="Gr%C3%BC%C3%9Fe">Gr&#252;&#223;e</a></p>)x"},
      {"-._~!$'()*+,;=@", R"x(<p><a href="-._~!$'()*+,;=@">-._~!$'()*+,;=@</a></p>)x"},
      {"tab\there\x7F",
       R"x(<p><a href="tab%09here%7F">tab&lt;U+0009&gt;here&lt;U+007F&gt;</a></p>)x"},
      {"invoice\u202Efdp.exe",
       R"x(<p><a href="invoice%E2%80%AEfdp.exe">invoice&lt;U+202E&gt;fdp.exe</a></p>)x"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    std::string out;
    AppendLinkRecord(out, c.name, c.name);
    EXPECT_EQ(Lines(out)[1], c.link_line);
  }
}

// The text of a link is the name as shown, in ASCII: characters outside it
// as references to their code points, and blanks that a browser would
// collapse as no-break spaces.
TEST(LinkRecordTest, WritesTextAsAsciiWithReferences) {
  const struct {
    std::string what;
    std::string name;
    std::string text;
  } kCases[] = {
      {"two-byte", "caf\xC3\xA9", "caf&#233;"},
      {"three-byte", "\xE6\x97\xA5.txt", "&#26085;.txt"},
      {"four-byte", "\xF0\x9F\x98\x80", "&#128512;"},
      {"smallest of each length", "\xE0\xA0\x80\xF0\x90\x80\x80", "&#2048;&#65536;"},
      {"largest of each length", "\xDF\xBF\xEF\xBF\xBF\xF4\x8F\xBF\xBF",
       "&#2047;&#65535;&#1114111;"},
      {"C1 controls, which HTML reads as windows-1252", "\xC2\x80\xC2\x9F\xC2\xA0",
       "&lt;U+0080&gt;&lt;U+009F&gt;&#160;"},
      {"around the surrogates", "\xED\x9F\xBF\xEE\x80\x80", "&#55295;&#57344;"},
      {"lone continuation byte",
       "a\x80"
       "b",
       "a&#65533;b"},
      {"truncated sequence", "\xE6\x97.txt", "&#65533;&#65533;.txt"},
      {"truncated at the end", "a\xF0\x9F\x98", "a&#65533;&#65533;&#65533;"},
      {"overlong two-byte", "\xC0\xAF\xC1\xBF", "&#65533;&#65533;&#65533;&#65533;"},
      {"overlong three-byte", "\xE0\x80\xAF", "&#65533;&#65533;&#65533;"},
      {"overlong four-byte", "\xF0\x8F\xBF\xBF", "&#65533;&#65533;&#65533;&#65533;"},
      // A UTF-16 name holds a lone surrogate as one unit; bytes are bytes.
      {"surrogate", "\xED\xA0\x80\xED\xBF\xBF",
       kNamesAreUtf16 ? "&#65533;&#65533;" : "&#65533;&#65533;&#65533;&#65533;&#65533;&#65533;"},
      {"surrogate cut short", "\xED\xA0.", "&#65533;&#65533;."},
      {"past U+10FFFF", "\xF4\x90\x80\x80", "&#65533;&#65533;&#65533;&#65533;"},
      {"lead bytes that never start a sequence", "\xF5\xFE\xFF", "&#65533;&#65533;&#65533;"},
      {"sequence cut by ASCII markup", "\xC3<", "&#65533;&lt;"},
      {"markup and controls", "a&b\x01", "a&amp;b&lt;U+0001&gt;"},
      {"one blank", " ", "&#160;"},
      {"blanks only", "   ", "&#160;&#160;&#160;"},
      {"leading and trailing blanks", " a b ", "&#160;a b&#160;"},
      {"blanks in a row", "a  b   c", "a &#160;b &#160;&#160;c"},
      {"a blank beside a tab", "a \t b", "a &lt;U+0009&gt; b"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    std::string out;
    AppendLinkRecord(out, c.name, c.name);
    const std::string link = Lines(out)[1];
    const std::size_t text_begin = link.find("\">") + 2;
    EXPECT_EQ(link.substr(text_begin, link.size() - text_begin - 8), c.text);
  }
}

TEST(LinkRecordTest, EveryByteComesBackFromHrefAndAsciiText) {
  std::vector<std::string> names = {" leading blank",     "trailing blank ", "?query", "a/../b",
                                    "\xFF\xFE not utf-8", "&amp;",           "%41",    "<!--"};
  std::string every_byte;
  for (int byte = 1; byte < 256; ++byte) every_byte += static_cast<char>(byte);
  names.push_back(every_byte);

  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    std::string out;
    AppendLinkRecord(out, name, name);
    const std::vector<std::string> lines = Lines(out);
    ASSERT_EQ(lines.size(), 4u);
    const std::string& link = lines[1];
    const std::size_t href_end = link.find('"', 12);
    const std::string href = link.substr(12, href_end - 12);
    const std::string text = link.substr(href_end + 2, link.size() - href_end - 2 - 8);
    EXPECT_EQ(link.substr(0, 12), "<p><a href=\"");
    EXPECT_EQ(link.substr(link.size() - 8), "</a></p>");
    EXPECT_EQ(href.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                                     "0123456789-._~!$'()*+,;=@%"),
              std::string::npos);
    EXPECT_EQ(text.find_first_of("<>\"\r\n"), std::string::npos);
    EXPECT_TRUE(IsAscii(text));
    EXPECT_EQ(PercentDecode(href), name);
    // Text outside ASCII is checked in the table above; the rest reads as
    // the name shows.
    if (IsAscii(name)) {
      std::string shown;
      AppendShownName(name, shown);
      EXPECT_EQ(UnescapeHtml(text), shown);
    }
  }
}

}  // namespace
}  // namespace quillfold
