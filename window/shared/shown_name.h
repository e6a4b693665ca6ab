#ifndef QUILLFOLD_WINDOW_SHARED_SHOWN_NAME_H_
#define QUILLFOLD_WINDOW_SHARED_SHOWN_NAME_H_

#include <cstddef>
#include <string_view>

namespace quillfold {

// A file name as a line of the log or the folder list. Shown as they are, a
// carriage return or a line feed would split one name over two lines, an
// escape would vanish, and a text box also breaks lines at U+2028 and
// U+2029. So each control byte 0x00-0x1F shows as its Unicode control
// picture U+2400 + byte (CR as U+240D), DEL 0x7F as U+2421, and the line
// and paragraph separators as the newline symbol U+2424, all in UTF-8.
// Every other byte stays, so the result decodes like the name.
//
// `Bytes` is a byte string with append(const char*, size): std::string or
// QByteArray, so the log is built in the form its window shows.
template <typename Bytes>
void AppendShownName(std::string_view name, Bytes& out) {
  // Such characters are rare: the plain stretches between them go in whole.
  std::size_t plain = 0;
  const auto flush = [&](std::size_t end) { out.append(name.data() + plain, end - plain); };
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto byte = static_cast<unsigned char>(name[i]);
    // U+2400..U+241F, U+2421 and U+2424 are E2 90 80..9F, E2 90 A1 and
    // E2 90 A4; U+2028 and U+2029 are E2 80 A8 and E2 80 A9.
    char last;
    std::size_t replaced = 1;
    if (byte < 0x20) {
      last = static_cast<char>(0x80 + byte);
    } else if (byte == 0x7F) {
      last = '\xA1';
    } else if (byte == 0xE2 && (name.substr(i, 3) == "\xE2\x80\xA8" ||   // U+2028
                                name.substr(i, 3) == "\xE2\x80\xA9")) {  // U+2029
      last = '\xA4';
      replaced = 3;
    } else {
      continue;
    }
    flush(i);
    const char picture[] = {'\xE2', '\x90', last};
    out.append(picture, sizeof picture);
    i += replaced - 1;
    plain = i + 1;
  }
  flush(name.size());
}

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_SHARED_SHOWN_NAME_H_
