#include "window/shared/log_text.h"

#include "runtime/shown_name.h"

namespace quillfold {

void LogText::Clear() {
  text_.clear();
  cleared_ = true;
}

void LogText::AddLine(std::string_view name) {
  AppendShownName(name, text_);
  text_ += '\n';
}

std::string_view LogPieces::Next(std::size_t lines) {
  std::size_t end = given_;
  for (std::size_t line = 0; line < lines && end < text_.size(); ++line) {
    const std::size_t line_end = text_.find('\n', end);
    end = line_end == std::string::npos ? text_.size() : line_end + 1;
  }
  const std::string_view piece = std::string_view(text_).substr(given_, end - given_);
  given_ = end;
  return piece;
}

}  // namespace quillfold
