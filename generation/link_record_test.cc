#include "generation/link_record.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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
      {"line\r\nbreak", R"x(<p><a href="line%0D%0Abreak">line&#13;&#10;break</a></p>)x"},
      {"Gr\xC3\xBC\xC3\x9F"
       "e",
       "<p><a href=\"Gr%C3%BC%C3%9Fe\">Gr\xC3\xBC\xC3\x9F"
       "e</a></p>"},
      {"-._~!$'()*+,;=@", R"x(<p><a href="-._~!$'()*+,;=@">-._~!$'()*+,;=@</a></p>)x"},
      {"tab\there\x7F", R"x(<p><a href="tab%09here%7F">tab&#9;here&#127;</a></p>)x"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    std::string out;
    AppendLinkRecord(out, c.name, c.name);
    EXPECT_EQ(Lines(out)[1], c.link_line);
  }
}

TEST(LinkRecordTest, EveryByteComesBackFromHrefAndText) {
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
    EXPECT_EQ(PercentDecode(href), name);
    EXPECT_EQ(UnescapeHtml(text), name);
  }
}

}  // namespace
}  // namespace quillfold
