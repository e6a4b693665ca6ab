#ifndef QUILLFOLD_WINDOW_SHARED_FORM_CONTROLLER_H_
#define QUILLFOLD_WINDOW_SHARED_FORM_CONTROLLER_H_

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "runtime/disk.h"
#include "runtime/error.h"
#include "window/shared/folder_lines.h"
#include "window/shared/options_view.h"
#include "window/shared/start_folder.h"

namespace quillfold {

// What holds the window while work runs on a thread of its own.
enum class HeldFor {
  kRun,      // Writes pages: the end of the session waits for it.
  kListing,  // A folder's listing, which writes nothing.
};

// Form1 as each system draws it. Controls are named as in the drawing
// (window/shared/form_layout.h); the view draws them and reads them, and the
// form's rules are FormController's.
class FormView {
 public:
  virtual ~FormView() = default;

  virtual void SetVisible(std::string_view control, bool visible) = 0;
  virtual void SetCaption(std::string_view control, std::string_view caption) = 0;
  // A check box's state, and a text box's text in UTF-8 (WTF-8 on Windows).
  virtual CheckState CheckStateOf(std::string_view check_box) const = 0;
  virtual std::string TextOf(std::string_view text_box) const = 0;
  // Shows the folder list's lines, `open_line`, the open folder's,
  // highlighted.
  virtual void ShowFolderLines(const std::vector<FolderLine>& lines, std::size_t open_line) = 0;
  virtual void HighlightFolderLine(std::size_t line) = 0;

  // Replaces the log box's text by `log` (LogText's: a line per name, each
  // ending in LF), shown from its first line.
  virtual void ShowLog(std::string log) = 0;
  // Tells the user about a failed action; returns once they closed the box.
  virtual void ShowError(const Error& error) = 0;

  // Called on the work's thread as its last act: only tells the window's
  // thread, whose HoldUntilWorkEnded then returns.
  virtual void PostWorkEnded() = 0;
  // Takes no input, and does not close, until PostWorkEnded's word arrives;
  // meanwhile the window keeps painting and answering the system, which
  // would otherwise offer to end it.
  virtual void HoldUntilWorkEnded(HeldFor held_for) = 0;
};

// How a system names the folders the window may start in and lists a
// folder's lines for the folder list.
struct FolderSystem {
  std::function<StartPlaces()> start_places;
  ListFolderLines list;
  PathStyle style;
};

// What Form1 does with its controls: the folder list opens a folder on its
// line, the check boxes show and hide their options, the run button runs
// the generation with the settings the controls hold, its log goes into the
// log box and its error is reported. Folders are listed on a thread of their
// own, the window held as during a run: a slow disk or share cannot freeze
// it.
class FormController {
 public:
  // Runs write through `disk`, which tests replace to fake its faults.
  FormController(FormView& view, Disk& disk, FolderSystem folders)
      : view_(view), disk_(disk), folders_(std::move(folders)) {}

  // Shows the folder the window starts in (see StartFolder).
  void OpenStartFolder();

  // Opens the folder on line `line` (a double-click, or Enter), which
  // becomes the open folder, the one a run uses. A folder that cannot be
  // listed is reported and the highlight goes back to the open folder, so
  // the list always shows which folder a run uses.
  void OpenFolderLine(std::size_t line);

  // Opens `folder`, given on the command line (absolute, or from the
  // current folder; ".." goes up the path), as opening its line would.
  void OpenGivenFolder(const std::string& folder);

  // The folder that was opened last; a merely highlighted line does not
  // change it.
  const std::string& open_folder() const { return open_folder_; }

  // Check1, or Check2, came to the state it now shows, however it did.
  void FilterSwitchChanged();
  void PagingSwitchChanged();

  // Step 2: one run of the generation, the window held while it lasts.
  void Run();

 private:
  void ShowOptions(const OptionsView& options);
  void OpenFolder(const std::string& folder);
  // Runs `list` as a FolderListing, the window held, and shows what it
  // listed, or raises its error.
  void ShowListed(std::function<ListedFolder()> list);

  FormView& view_;
  Disk& disk_;
  const FolderSystem folders_;
  OptionsView options_ = InitialOptionsView();
  std::string open_folder_;
  std::vector<FolderLine> folder_lines_;
  std::size_t open_line_ = 0;  // The line of the open folder.
  bool listing_ = false;
};

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_SHARED_FORM_CONTROLLER_H_
