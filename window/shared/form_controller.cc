#include "window/shared/form_controller.h"

#include <optional>

#include "window/shared/background_run.h"
#include "window/shared/form_layout.h"

namespace quillfold {

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
  RunSettings settings{view_.OpenFolder(), IsOn(view_.CheckStateOf("Check1")),
                       view_.TextOf("Text2"), IsOn(view_.CheckStateOf("Check2")),
                       view_.TextOf("Text3")};
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
