#include "window/qt/input_hold.h"

#include <QApplication>
#include <QEvent>

namespace quillfold {
namespace {

bool IsUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
      return true;
    default:
      return false;
  }
}

}  // namespace

InputHold::InputHold() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  qApp->installEventFilter(this);
}

InputHold::~InputHold() {
  qApp->removeEventFilter(this);
  QApplication::restoreOverrideCursor();
}

bool InputHold::eventFilter(QObject* /*receiver*/, QEvent* event) {
  // Only what comes from the system: the application's own events pass.
  // Each reaches the window first, before any control under it, so a
  // dropped click moves no focus either.
  if (!event->spontaneous()) return false;
  if (event->type() == QEvent::Close) {
    event->ignore();
    return true;
  }
  return IsUserInput(event->type());
}

}  // namespace quillfold
