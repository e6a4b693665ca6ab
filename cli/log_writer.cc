#include "cli/log_writer.h"

#include <algorithm>

#include "cli/system.h"
#include "platform/path.h"

namespace quillfold {
namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// How many bytes the character at the front of `text` takes: 1 for ASCII,
// the length of a well-formed UTF-8 sequence, 0 for a byte that starts
// none. The narrowed second-byte ranges after E0, ED, F0 and F4 rule out
// overlong forms, surrogates and code points past U+10FFFF; where names are
// UTF-16, a lone surrogate (ED A0..BF 80..BF in WTF-8) is one character.
std::size_t CharacterLength(std::string_view text) {
  const auto at = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
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
    if (lead == 0xED && !kNamesAreUtf16) second_high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) second_low = 0x90;
    if (lead == 0xF4) second_high = 0x8F;
  } else {
    return 0;
  }
  if (text.size() < length || at(1) < second_low || at(1) > second_high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (!IsContinuation(at(i))) return 0;
  }
  return length;
}

// Whether `character`, one character or a byte outside any well-formed
// sequence, is a control a terminal would obey. The C1 controls
// U+0080..U+009F count as much as ESC and the other C0 controls: a UTF-8
// terminal reads them in their two-byte form (C2 9B is CSI, as ESC [ is),
// an 8-bit one as single bytes 0x80..0x9F. A byte of a longer sequence,
// such as the 9B of E2 80 9B, is no control.
bool IsControl(std::string_view character) {
  const auto lead = static_cast<unsigned char>(character[0]);
  if (character.size() == 2) {
    return lead == 0xC2 && static_cast<unsigned char>(character[1]) <= 0x9F;
  }
  return character.size() == 1 && (lead < 0x20 || (lead >= 0x7F && lead <= 0x9F));
}

// Appends `line` with each control character as one "?".
void AppendMasked(std::string_view line, std::string& out) {
  for (std::size_t i = 0; i < line.size();) {
    const std::size_t length = std::max<std::size_t>(CharacterLength(line.substr(i)), 1);
    const std::string_view character = line.substr(i, length);
    if (IsControl(character)) {
      out += '?';
    } else {
      out += character;
    }
    i += length;
  }
}

}  // namespace

void LogWriter::AddLine(std::string_view line) {
  if (stopped_) return;
  if (format_.mask_controls) {
    AppendMasked(line, buffer_);
  } else {
    buffer_ += line;
  }
  buffer_ += format_.terminator;
  if (buffer_.size() >= kBufferSize) Flush();
}

void LogWriter::Flush() {
  if (!stopped_ && !buffer_.empty()) {
    if (const int error = output_.Write(buffer_)) {
      stopped_ = true;
      if (!IsReaderGone(error)) error_ = error;
    }
  }
  buffer_.clear();
}

}  // namespace quillfold
