#include "generation/link_record.h"

#include <array>

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

void AppendText(std::string& out, std::string_view name) {
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (!NeedsReference(byte)) {
      out += c;
      continue;
    }
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
        out += "&#";
        out += std::to_string(byte);
        out += ';';
    }
  }
}

}  // namespace

void AppendLinkRecord(std::string& out, std::string_view target, std::string_view text) {
  out += Form2::Text4;
  out += kLineEnd;
  out += Form2::Text1;
  AppendTarget(out, target);
  out += Form2::Text2;
  AppendText(out, text);
  out += Form2::Text5;
  out += kLineEnd;
  out += Form2::Text3;
  out += kLineEnd;
  out += Form2::Text4;
  out += kLineEnd;
}

}  // namespace quillfold
