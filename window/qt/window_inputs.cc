#include "window/qt/window_inputs.h"

#include <QCheckBox>
#include <QLineEdit>
#include <string>

#include "window/qt/folder_list.h"

namespace quillfold {
namespace {

std::string Utf8(const QLineEdit* box) { return box->text().toUtf8().toStdString(); }

}  // namespace

CheckState CheckStateOf(const QCheckBox* box) {
  switch (box->checkState()) {
    case Qt::Checked:
      return CheckState::kTicked;
    case Qt::PartiallyChecked:
      return CheckState::kGrey;
    case Qt::Unchecked:
      break;
  }
  return CheckState::kClear;
}

RunSettings ReadRunSettings(const RunControls& controls) {
  return {controls.folder_list->open_folder(), IsOn(CheckStateOf(controls.filter_switch)),
          Utf8(controls.filter_text), IsOn(CheckStateOf(controls.paging_switch)),
          Utf8(controls.links_per_page)};
}

}  // namespace quillfold
