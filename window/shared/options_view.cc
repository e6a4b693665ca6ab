#include "window/shared/options_view.h"

#include "window/shared/form_layout.h"

namespace quillfold {

OptionsView InitialOptionsView() {
  return {FormControl("Text2").visible_at_start, FormControl("Text3").visible_at_start,
          FormControl("Check1").text};
}

OptionsView AfterFilterChange(OptionsView view, CheckState state) {
  if (state == CheckState::kGrey) return view;
  view.filter_text_shown = IsOn(state);
  view.filter_caption = IsOn(state) ? kFilterOnCaption : kFilterOffCaption;
  return view;
}

OptionsView AfterPagingChange(OptionsView view, CheckState state) {
  if (state != CheckState::kGrey) view.links_per_page_shown = IsOn(state);
  return view;
}

}  // namespace quillfold
