#include "generation/link_record.h"

#include <array>
#include <cstdint>
#include <string>

#include "platform/path.h"
#include "platform/wtf8.h"

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

// Bytes of a name that HTML text cannot hold as they are: markup characters,
// and control bytes, which would break the record's lines.
bool NeedsReference(unsigned char byte) {
  return byte < 0x20 || byte == 0x7F || byte == '&' || byte == '<' || byte == '>' || byte == '"';
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
      if (NeedsReference(static_cast<unsigned char>(c))) {
        AppendReference(out, static_cast<unsigned char>(c));
      } else {
        out += c;
      }
  }
}

char32_t DecodeSequence(std::string_view sequence) {
  const auto lead = static_cast<unsigned char>(sequence[0]);
  char32_t code_point = lead & (0x7F >> sequence.size());
  for (const char c : sequence.substr(1)) code_point = (code_point << 6) | (c & 0x3F);
  return code_point;
}

// The link text is pure ASCII, so a page reads the same whatever character
// set a server or a browser assumes for it: every character outside ASCII
// is a numeric reference to its code point, and each byte that is not part
// of well-formed UTF-8, each lone surrogate of a UTF-16 name and each C1
// control character is one replacement character.
void AppendText(std::string& out, std::string_view name) {
  constexpr char32_t kReplacementCharacter = 0xFFFD;
  for (std::size_t i = 0; i < name.size();) {
    if (static_cast<unsigned char>(name[i]) < 0x80) {
      AppendAscii(out, name[i]);
      ++i;
    } else if (const std::size_t length = Utf8SequenceLength(name.substr(i)); length != 0) {
      const char32_t code_point = DecodeSequence(name.substr(i, length));
      // HTML reads &#128; to &#159; as the windows-1252 characters of those
      // bytes (&#133; is an ellipsis), and no reference gives the C1
      // control characters themselves: they show as unknown.
      AppendReference(out, code_point <= 0x9F ? kReplacementCharacter : code_point);
      i += length;
    } else if (kNamesAreUtf16 && StartsWithLoneSurrogate(name.substr(i))) {
      AppendReference(out, kReplacementCharacter);
      i += 3;
    } else {
      AppendReference(out, kReplacementCharacter);
      ++i;
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
