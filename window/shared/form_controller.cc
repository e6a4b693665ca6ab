#include "window/shared/form_controller.h"

#include <optional>

#include "runtime/absolute_folder.h"
#include "window/shared/background_run.h"
#include "window/shared/folder_listing.h"
#include "window/shared/form_layout.h"

namespace quillfold {

void FormController::OpenStartFolder() {
  ShowListed([this, places = folders_.start_places()] {
    return ListStartFolder(places, folders_.list, folders_.style);
  });
}

void FormController::OpenFolderLine(std::size_t line) {
  if (line < folder_lines_.size()) OpenFolder(folder_lines_[line].path);
}

void FormController::OpenGivenFolder(const std::string& folder) {
  std::string path;
  try {
    path = AbsoluteFolder(folder, ParentSteps::kUpThePath);
  } catch (const Error& error) {
    view_.ShowError(error);
    return;
  }
  OpenFolder(path);
}

void FormController::OpenFolder(const std::string& folder) {
  // Input is held meanwhile: only the program itself could ask again, and
  // the folder asked first is the one the user opened.
  if (listing_) return;
  try {
    ShowListed([this, folder] { return ListedFolder{folder, folders_.list(folder)}; });
  } catch (const Error& error) {
    view_.HighlightFolderLine(open_line_);
    view_.ShowError(error);
  }
}

void FormController::ShowListed(std::function<ListedFolder()> list) {
  listing_ = true;
  FolderListing listing(std::move(list), [this] { view_.PostWorkEnded(); });
  view_.HoldUntilWorkEnded(HeldFor::kListing);
  listing_ = false;
  ListedFolder listed = listing.Finish();
  open_folder_ = std::move(listed.folder);
  folder_lines_ = std::move(listed.lines);
  open_line_ = 0;
  for (std::size_t i = 0; i < folder_lines_.size(); ++i) {
    if (folder_lines_[i].open) open_line_ = i;
  }
  view_.ShowFolderLines(folder_lines_, open_line_);
}

void FormController::FilterSwitchChanged() {
  ShowOptions(AfterFilterChange(options_, view_.CheckStateOf("Check1")));
}

void FormController::PagingSwitchChanged() {
  ShowOptions(AfterPagingChange(options_, view_.CheckStateOf("Check2")));
}

void FormController::ShowOptions(const OptionsView& options) {
  if (options == options_) return;
  if (options.filter_caption != options_.filter_caption) {
    view_.SetCaption("Check1", options.filter_caption);
  }
  for (std::string_view name : FilterControls()) view_.SetVisible(name, options.filter_text_shown);
  for (std::string_view name : PagingControls()) {
    view_.SetVisible(name, options.links_per_page_shown);
  }
  options_ = options;
}

void FormController::Run() {
  // Read on the window's thread as the run starts.
  RunSettings settings{open_folder_, IsOn(view_.CheckStateOf("Check1")), view_.TextOf("Text2"),
                       IsOn(view_.CheckStateOf("Check2")), view_.TextOf("Text3")};
  BackgroundRun run(std::move(settings), disk_, [this] { view_.PostWorkEnded(); });
  view_.HoldUntilWorkEnded(HeldFor::kRun);
  const std::optional<Error> failure = run.Finish();
  // The names linked before a failure show behind its report; a run that
  // failed before clearing the log (links per page "abc") leaves the box
  // as it was.
  if (run.log().cleared()) view_.ShowLog(run.log().TakeText());
  if (failure) view_.ShowError(*failure);
}

}  // namespace quillfold
