#include "cli/terminal_text.h"

#include <algorithm>

#include "platform/path.h"
#include "platform/wtf8.h"

namespace quillfold {
namespace {

// How many bytes the character at the front of `text` takes: the length of
// a well-formed UTF-8 sequence, 0 for a byte that starts none; where names
// are UTF-16, a lone surrogate is one character.
std::size_t CharacterLength(std::string_view text) {
  if (const std::size_t length = Utf8SequenceLength(text)) return length;
  return kNamesAreUtf16 && StartsWithLoneSurrogate(text) ? 3 : 0;
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

}  // namespace

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

}  // namespace quillfold
