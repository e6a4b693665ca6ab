#ifndef QUILLFOLD_RUNTIME_WTF8_H_
#define QUILLFOLD_RUNTIME_WTF8_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace quillfold {

// Conversions between the UTF-16 of a system whose names are UTF-16
// (Windows) and the bytes the engine works with. The bytes are WTF-8: UTF-8,
// except that a surrogate without its partner, which such a system allows in
// a name, is written as the three bytes UTF-8 would give its code point. So
// every name converts to bytes and back unchanged, and a link to it can
// percent-encode those bytes and still reach the file.

// Appends the UTF-8 (for a surrogate, WTF-8) bytes of `code_point`.
void AppendUtf8(std::string& out, char32_t code_point);

// UTF-16 to WTF-8.
std::string Wtf8FromUtf16(std::u16string_view text);

// WTF-8 to UTF-16. Bytes that are no WTF-8 (a stray continuation byte, a
// truncated or overlong sequence, anything beyond U+10FFFF) each become
// U+FFFD: text from elsewhere may hold them, a name from the system never
// does.
std::u16string Utf16FromWtf8(std::string_view bytes);

// The length of the well-formed UTF-8 sequence at the front of `bytes`, 0
// when there is none: overlong forms, surrogates and code points past
// U+10FFFF are none.
std::size_t Utf8SequenceLength(std::string_view bytes);

// The code point of `sequence`, one whole sequence whose length
// Utf8SequenceLength gave.
char32_t DecodeUtf8Sequence(std::string_view sequence);

// Whether `bytes` starts with a surrogate without its partner as WTF-8
// writes it: ED A0..BF 80..BF.
bool StartsWithLoneSurrogate(std::string_view bytes);

}  // namespace quillfold

#endif  // QUILLFOLD_RUNTIME_WTF8_H_
