#include "testing/link_record_decoder.h"

#include <cstdio>
#include <string_view>

#include "runtime/path.h"
#include "runtime/wtf8.h"

namespace quillfold::testing {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kBody = "<body>";
constexpr std::string_view kLinkStart = "<p><a href=\"";
constexpr std::string_view kLinkMiddle = "\">";
constexpr std::string_view kLinkEnd = "</a></p>";
constexpr std::string_view kEmptyParagraph = "<p></p>";

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;  // Lowercase hex is not the canonical form.
}

bool IsControl(unsigned char byte) { return byte < 0x20 || byte == 0x7F; }

// Takes the line up to the next CR LF off the front of `rest`.
std::optional<std::string_view> TakeLine(std::string_view& rest) {
  const std::size_t end = rest.find(kLineEnd);
  if (end == std::string_view::npos) return std::nullopt;
  const std::string_view line = rest.substr(0, end);
  rest.remove_prefix(end + kLineEnd.size());
  return line;
}

}  // namespace

bool IsKeptInTarget(unsigned char byte) {
  if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
      (byte >= '0' && byte <= '9')) {
    return true;
  }
  return std::string_view("-._~!$'()*+,;=@").find(static_cast<char>(byte)) !=
         std::string_view::npos;
}

std::optional<std::string> DecodeTarget(std::string_view target) {
  std::string name;
  for (std::size_t i = 0; i < target.size(); ++i) {
    const auto byte = static_cast<unsigned char>(target[i]);
    if (IsKeptInTarget(byte)) {
      name += target[i];
      continue;
    }
    if (byte != '%' || i + 2 >= target.size()) return std::nullopt;
    const int high = HexValue(target[i + 1]);
    const int low = HexValue(target[i + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    const auto decoded = static_cast<unsigned char>(high * 16 + low);
    if (IsKeptInTarget(decoded)) return std::nullopt;
    name += static_cast<char>(decoded);
    i += 2;
  }
  return name;
}

std::optional<std::string> DecodeText(std::string_view text) {
  std::string name;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte == '<' || byte == '>' || byte == '"' || byte >= 0x80 || IsControl(byte)) {
      return std::nullopt;
    }
    if (byte != '&') {
      name += text[i];
      continue;
    }
    const std::size_t semicolon = text.find(';', i);
    if (semicolon == std::string_view::npos) return std::nullopt;
    const std::string_view entity = text.substr(i + 1, semicolon - i - 1);
    i = semicolon;
    if (entity == "amp") {
      name += '&';
    } else if (entity == "lt") {
      name += '<';
    } else if (entity == "gt") {
      name += '>';
    } else if (entity == "quot") {
      name += '"';
    } else if (entity.size() >= 2 && entity.size() <= 8 && entity[0] == '#' &&
               (entity[1] != '0' || entity.size() == 2)) {  // No leading zeros; "&#0;" is NUL.
      char32_t value = 0;
      for (const char c : entity.substr(1)) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<char32_t>(c - '0');
      }
      // Only what cannot stand as it is: characters past ASCII.
      if (value < 0xA0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return std::nullopt;
      }
      AppendUtf8(name, value);
    } else {
      return std::nullopt;
    }
  }
  return name;
}

std::string ShownText(std::string_view name) {
  // The characters shown by their code, as the user's manual lists them.
  constexpr char32_t kByCode[][2] = {
      {0x00, 0x1F},     {0x7F, 0x9F},     {0xAD, 0xAD},       {0x61C, 0x61C},
      {0x180E, 0x180E}, {0x200B, 0x200F}, {0x2028, 0x202E},   {0x2060, 0x206F},
      {0xFEFF, 0xFEFF}, {0xFFF9, 0xFFFB}, {0xE0000, 0xE007F},
  };
  std::string shown;
  for (std::size_t i = 0; i < name.size();) {
    const std::string_view rest = name.substr(i);
    const std::size_t length = Utf8SequenceLength(rest);
    if (length == 0) {
      AppendUtf8(shown, 0xFFFD);
      // A lone surrogate of a UTF-16 name is one character.
      i += kNamesAreUtf16 && StartsWithLoneSurrogate(rest) ? 3 : 1;
      continue;
    }
    const char32_t value = DecodeUtf8Sequence(rest.substr(0, length));
    bool by_code = false;
    for (const auto& range : kByCode) by_code = by_code || (value >= range[0] && value <= range[1]);
    if (by_code) {
      char code[16];
      std::snprintf(code, sizeof code, "<U+%04X>", static_cast<unsigned>(value));
      shown += code;
    } else {
      shown += name.substr(i, length);
    }
    i += length;
  }
  std::string text;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const bool collapsed =
        shown[i] == ' ' && (i == 0 || i + 1 == shown.size() || shown[i - 1] == ' ');
    text += collapsed ? std::string_view("\xC2\xA0") : std::string_view(&shown[i], 1);
  }
  return text;
}

std::optional<DecodedRecord> TakeRecord(std::string_view& page) {
  std::string_view rest = page;
  const auto first = TakeLine(rest);
  const auto link = TakeLine(rest);
  const auto paragraph = TakeLine(rest);
  const auto last = TakeLine(rest);
  if (!first || !link || !paragraph || !last || *first != kBody || *paragraph != kEmptyParagraph ||
      *last != kBody || !link->starts_with(kLinkStart) || !link->ends_with(kLinkEnd)) {
    return std::nullopt;
  }
  std::string_view inner = link->substr(kLinkStart.size());
  inner.remove_suffix(kLinkEnd.size());
  // A target holds no '"', so the first quote ends it.
  const std::size_t middle = inner.find(kLinkMiddle);
  if (middle == std::string_view::npos) return std::nullopt;
  DecodedRecord record{std::string(inner.substr(0, middle)),
                       std::string(inner.substr(middle + kLinkMiddle.size()))};
  page = rest;
  return record;
}

DecodedPage DecodePage(std::string_view page) {
  DecodedPage decoded;
  const std::size_t size = page.size();
  while (const auto record = TakeRecord(page)) {
    const auto from_target = DecodeTarget(record->target);
    const auto from_text = DecodeText(record->text);
    if (!from_target || !from_text || ShownText(*from_target) != *from_text) {
      decoded.all_decoded = false;
    }
    decoded.names.push_back(from_target.value_or(record->target));
  }
  decoded.record_bytes = size - page.size();
  return decoded;
}

}  // namespace quillfold::testing
