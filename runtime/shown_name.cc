#include "runtime/shown_name.h"

#include <cstdio>

#include "runtime/path.h"
#include "runtime/wtf8.h"

namespace quillfold {

bool ShowsAsCode(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xAD || c == 0x61C || c == 0x180E ||
         (c >= 0x200B && c <= 0x200F) || (c >= 0x2028 && c <= 0x202E) ||
         (c >= 0x2060 && c <= 0x206F) || c == 0xFEFF || (c >= 0xFFF9 && c <= 0xFFFB) ||
         (c >= 0xE0000 && c <= 0xE007F);
}

void AppendShownName(std::string_view name, std::string& out) {
  static constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";
  // Most names show as they are: the plain stretches go in whole.
  std::size_t plain = 0;
  const auto replace = [&](std::size_t at, std::size_t length, std::string_view shown) {
    out.append(name.substr(plain, at - plain));
    out.append(shown);
    plain = at + length;
  };
  for (std::size_t i = 0; i < name.size();) {
    const std::string_view rest = name.substr(i);
    if (const std::size_t length = Utf8SequenceLength(rest); length != 0) {
      if (const char32_t code_point = DecodeUtf8Sequence(rest.substr(0, length));
          ShowsAsCode(code_point)) {
        char code[16];
        const int size =
            std::snprintf(code, sizeof code, "<U+%04X>", static_cast<unsigned>(code_point));
        replace(i, length, std::string_view(code, static_cast<std::size_t>(size)));
      }
      i += length;
    } else {
      const std::size_t stray = kNamesAreUtf16 && StartsWithLoneSurrogate(rest) ? 3 : 1;
      replace(i, stray, kReplacementCharacter);
      i += stray;
    }
  }
  out.append(name.substr(plain));
}

void AppendShownMessage(std::string_view message, std::string& out) {
  for (std::size_t start = 0;;) {
    const std::size_t end = message.find('\n', start);
    AppendShownName(message.substr(start, end - start), out);
    if (end == std::string_view::npos) return;
    out += '\n';
    start = end + 1;
  }
}

}  // namespace quillfold
