#include "platform/posix/locale_text.h"

#include <iconv.h>

namespace quillfold {

std::string InUtf8(std::string_view text, const char* codeset) {
  if (text.empty() || std::string_view(codeset) == "UTF-8") return std::string(text);
  const iconv_t converter = iconv_open("UTF-8", codeset);
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::string();
  std::string in_text(text);
  char* in = in_text.data();
  std::size_t in_left = in_text.size();
  // Each byte gives at most one character, at most four bytes of UTF-8.
  std::string utf8(4 * text.size(), '\0');
  char* out = utf8.data();
  std::size_t out_left = utf8.size();
  const bool converted = iconv(converter, &in, &in_left, &out, &out_left) != std::size_t(-1);
  iconv_close(converter);
  if (!converted) return std::string();
  utf8.resize(utf8.size() - out_left);
  return utf8;
}

}  // namespace quillfold
