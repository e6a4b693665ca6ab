#include "cli/terminal_text.h"

#include "runtime/shown_name.h"

namespace quillfold {

void AppendForTerminal(std::string_view line, Terminal terminal, std::string& out) {
  if (terminal == Terminal::kNone) {
    out += line;
    return;
  }
  const std::size_t start = out.size();
  AppendShownName(line, out);
  if (terminal == Terminal::kEightBit) {
    for (std::size_t i = start; i < out.size(); ++i) {
      const auto byte = static_cast<unsigned char>(out[i]);
      if (byte >= 0x80 && byte <= 0x9F) out[i] = '?';
    }
  }
}

}  // namespace quillfold
