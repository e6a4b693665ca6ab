#include "window/qt/control_pictures.h"

#include <algorithm>

namespace quillfold {
namespace {

constexpr unsigned char kDelete = 0x7f;

bool IsControl(char byte) {
  const auto value = static_cast<unsigned char>(byte);
  return value < 0x20 || value == kDelete;
}

}  // namespace

void AppendWithControlPictures(std::string_view bytes, QByteArray& out) {
  // Control bytes are rare: the plain stretches between them go in whole.
  while (!bytes.empty()) {
    const auto control = std::find_if(bytes.begin(), bytes.end(), IsControl);
    const auto plain = static_cast<std::size_t>(control - bytes.begin());
    out.append(bytes.data(), static_cast<qsizetype>(plain));
    if (control == bytes.end()) return;
    const auto value = static_cast<unsigned char>(*control);
    // U+2400..U+241F and U+2421 are E2 90 80..9F and E2 90 A1 in UTF-8.
    const auto last = static_cast<char>(value == kDelete ? 0xa1 : 0x80 + value);
    const char picture[] = {'\xe2', '\x90', last};
    out.append(picture, sizeof picture);
    bytes.remove_prefix(plain + 1);
  }
}

QByteArray WithControlPictures(std::string_view bytes) {
  QByteArray out;
  AppendWithControlPictures(bytes, out);
  return out;
}

}  // namespace quillfold
