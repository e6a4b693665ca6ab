#ifndef QUILLFOLD_WINDOW_QT_WINDOW_INPUTS_H_
#define QUILLFOLD_WINDOW_QT_WINDOW_INPUTS_H_

#include "generation/generate_indexes.h"
#include "window/shared/options_view.h"

class QCheckBox;
class QLineEdit;

namespace quillfold {

class FolderList;

// A check box's state as the window's rules count them.
CheckState CheckStateOf(const QCheckBox* box);

// The controls a run's settings are read from.
struct RunControls {
  const FolderList* folder_list;
  const QCheckBox* filter_switch;
  const QLineEdit* filter_text;
  const QCheckBox* paging_switch;
  const QLineEdit* links_per_page;
};

// The settings of one run, read from the window's controls as it starts,
// on the window's thread.
RunSettings ReadRunSettings(const RunControls& controls);

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_QT_WINDOW_INPUTS_H_
