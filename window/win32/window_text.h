#ifndef QUILLFOLD_WINDOW_WIN32_WINDOW_TEXT_H_
#define QUILLFOLD_WINDOW_WIN32_WINDOW_TEXT_H_

#include <string>
#include <string_view>
#include <vector>

#include "runtime/error.h"
#include "window/shared/folder_lines.h"

namespace quillfold {

// What the Win32 window shows, worked out apart from the controls that show
// it. Names are UTF-16 in the window and UTF-8 (WTF-8) in the engine.

// A name as a line of the log or the folder list, in UTF-16, with the
// pictures of AppendShownName for what would break or hide a line.
std::wstring ShownName(std::string_view name);

// Text1's text: the names, each followed by CR LF, built once per run.
class LogText {
 public:
  void Clear() { text_.clear(); }
  void Append(std::string_view name);
  const std::wstring& text() const { return text_; }
  std::wstring TakeText() { return std::move(text_); }

 private:
  std::wstring text_;
};

// A run's log handed to Text1 a few whole lines at a time. An edit box lays
// out every line it is given before it answers again (about 50 us a line
// under Wine), so a long log goes in while the window takes input again.
class LogPieces {
 public:
  LogPieces() = default;
  explicit LogPieces(std::wstring text) : text_(std::move(text)) {}

  // The next piece: up to `lines` lines, each with its CR LF, and the rest
  // of the text when it has fewer. Empty once everything was given.
  std::wstring Next(std::size_t lines);
  bool done() const { return given_ == text_.size(); }

 private:
  std::wstring text_;
  std::size_t given_ = 0;
};

// The error box's text: "Error N: TEXT", a blank line, then the detail.
std::wstring ErrorBoxText(const Error& error);

// What Command3 opens: with a publisher host, the publisher's page; else
// readme.html in `program_folder`, the folder quillfold.exe is in.
std::wstring ReadMeTarget(std::string_view publisher_host, const std::wstring& program_folder);

// Whether UTF-16 name `a` sorts before `b` in Dir1: ignoring case as the
// file system does, then by code units so names equal but for case keep a
// fixed order.
bool LessIgnoringCaseWide(const std::string& a, const std::string& b);

// Dir1's lines for `open_folder`: its path and its sub-folders, sorted
// ignoring case. Raises the file error when the folder cannot be read.
std::vector<FolderLine> WindowsFolderLines(const std::string& open_folder);

// The font height, in pixels, that CreateFont takes for `points` at
// `dots_per_inch` (negative: the character height without leading).
int FontHeight(double points, int dots_per_inch);

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_WIN32_WINDOW_TEXT_H_
