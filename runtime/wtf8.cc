#include "runtime/wtf8.h"

namespace quillfold {
namespace {

bool IsLeadSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsTrailSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }
bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

void AppendUtf16(std::u16string& out, char32_t code_point) {
  if (code_point < 0x10000) {
    out += static_cast<char16_t>(code_point);
  } else {
    code_point -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (code_point >> 10));
    out += static_cast<char16_t>(0xDC00 + (code_point & 0x3FF));
  }
}

}  // namespace

void AppendUtf8(std::string& out, char32_t code_point) {
  if (code_point < 0x80) {
    out += static_cast<char>(code_point);
  } else if (code_point < 0x800) {
    out += static_cast<char>(0xC0 | (code_point >> 6));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  } else if (code_point < 0x10000) {
    out += static_cast<char>(0xE0 | (code_point >> 12));
    out += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code_point >> 18));
    out += static_cast<char>(0x80 | ((code_point >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code_point & 0x3F));
  }
}

std::string Wtf8FromUtf16(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char32_t unit = text[i];
    if (IsLeadSurrogate(unit) && i + 1 < text.size() && IsTrailSurrogate(text[i + 1])) {
      AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00));
      ++i;
    } else {
      AppendUtf8(out, unit);
    }
  }
  return out;
}

std::u16string Utf16FromWtf8(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  while (!bytes.empty()) {
    std::size_t length = Utf8SequenceLength(bytes);
    if (length == 0 && StartsWithLoneSurrogate(bytes)) length = 3;
    if (length == 0) {
      out += u'\uFFFD';
      bytes.remove_prefix(1);
      continue;
    }
    // A lead and a trail surrogate written one after the other as WTF-8
    // would not be: they are one character. Appending both units gives
    // exactly that character back.
    AppendUtf16(out, DecodeUtf8Sequence(bytes.substr(0, length)));
    bytes.remove_prefix(length);
  }
  return out;
}

// The narrowed second-byte ranges after E0, ED, F0 and F4 rule out overlong
// forms, surrogates and code points past U+10FFFF.
std::size_t Utf8SequenceLength(std::string_view bytes) {
  const auto at = [&bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  if (bytes.empty()) return 0;
  const unsigned char lead = at(0);
  if (lead < 0x80) return 1;
  std::size_t length;
  unsigned char second_low = 0x80;
  unsigned char second_high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) second_low = 0xA0;
    if (lead == 0xED) second_high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) second_low = 0x90;
    if (lead == 0xF4) second_high = 0x8F;
  } else {
    return 0;
  }
  if (bytes.size() < length || at(1) < second_low || at(1) > second_high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (!IsContinuation(at(i))) return 0;
  }
  return length;
}

char32_t DecodeUtf8Sequence(std::string_view sequence) {
  const auto lead = static_cast<unsigned char>(sequence[0]);
  if (sequence.size() == 1) return lead;
  char32_t code_point = lead & (0x7F >> sequence.size());
  for (const char c : sequence.substr(1)) code_point = (code_point << 6) | (c & 0x3F);
  return code_point;
}

bool StartsWithLoneSurrogate(std::string_view bytes) {
  return bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xED &&
         static_cast<unsigned char>(bytes[1]) >= 0xA0 && IsContinuation(bytes[1]) &&
         IsContinuation(bytes[2]);
}

}  // namespace quillfold
