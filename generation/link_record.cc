#include "generation/link_record.h"

#include <array>
#include <cstdint>
#include <string>

#include "runtime/shown_name.h"
#include "runtime/wtf8.h"

namespace quillfold {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Bytes that stand for themselves in a relative URL path and inside a
// double-quoted attribute. Everything else, "%" "#" "?" ":" "/" and every
// non-ASCII byte included, is percent-encoded, so a name is never read as a
// scheme, a query, a fragment or the end of the attribute, and names that
// are not UTF-8 still reach their file.
constexpr std::array<bool, 256> MakeUrlSafeTable() {
  std::array<bool, 256> safe{};
  for (int c = 'A'; c <= 'Z'; ++c) safe[c] = true;
  for (int c = 'a'; c <= 'z'; ++c) safe[c] = true;
  for (int c = '0'; c <= '9'; ++c) safe[c] = true;
  for (const char c : std::string_view("-._~!$'()*+,;=@"))
    safe[static_cast<unsigned char>(c)] = true;
  return safe;
}
constexpr std::array<bool, 256> kUrlSafe = MakeUrlSafeTable();

void AppendTarget(std::string& out, std::string_view name) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (kUrlSafe[byte]) {
      out += c;
    } else {
      const char escaped[] = {'%', kHex[byte >> 4], kHex[byte & 0xF]};
      out.append(escaped, sizeof escaped);
    }
  }
}

void AppendReference(std::string& out, char32_t code_point) {
  out += "&#";
  out += std::to_string(static_cast<std::uint32_t>(code_point));
  out += ';';
}

void AppendAscii(std::string& out, char c) {
  switch (c) {
    case '&':
      out += "&amp;";
      break;
    case '<':
      out += "&lt;";
      break;
    case '>':
      out += "&gt;";
      break;
    case '"':
      out += "&quot;";
      break;
    default:
      // The shown text holds no control that would break a line.
      out += c;
  }
}

// The link text is the name as runtime/shown_name shows it, in pure ASCII,
// so that a page reads the same whatever character set a server or a
// browser assumes for it: every character outside ASCII is a numeric
// reference to its code point. A browser would collapse blanks at either
// end of the text and each blank after another one, so those are no-break
// spaces: a name of blanks keeps its width, and a link that can be clicked.
void AppendText(std::string& out, std::string_view name) {
  std::string shown;
  AppendShownName(name, shown);
  for (std::size_t i = 0; i < shown.size();) {
    const char c = shown[i];
    if (c == ' ' && (i == 0 || i + 1 == shown.size() || shown[i - 1] == ' ')) {
      out += "&#160;";
      ++i;
    } else if (static_cast<unsigned char>(c) < 0x80) {
      AppendAscii(out, c);
      ++i;
    } else {
      // The shown text is well-formed UTF-8.
      const std::size_t length = Utf8SequenceLength(std::string_view(shown).substr(i));
      AppendReference(out, DecodeUtf8Sequence(std::string_view(shown).substr(i, length)));
      i += length;
    }
  }
}

}  // namespace

void AppendLinkRecord(std::string& out, std::string_view target, std::string_view text) {
  out += kBodyLine;
  out += kLineEnd;
  out += kLinkStart;
  AppendTarget(out, target);
  out += kTargetEnd;
  AppendText(out, text);
  out += kLinkEnd;
  out += kLineEnd;
  out += kSpacer;
  out += kLineEnd;
  out += kBodyLine;
  out += kLineEnd;
}

}  // namespace quillfold
