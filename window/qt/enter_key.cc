#include "window/qt/enter_key.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>

namespace quillfold {
namespace {

class EnterClicks : public QObject {
 public:
  explicit EnterClicks(QAbstractButton* button) : QObject(button), button_(button) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != button_ || event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    // Keypad Enter comes with the keypad modifier; other modifiers make a
    // different key combination.
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
        modifiers != Qt::NoModifier) {
      return false;
    }
    if (!key->isAutoRepeat()) button_->click();
    return true;
  }

 private:
  QAbstractButton* button_;
};

}  // namespace

void ClickOnEnter(QAbstractButton* button) { button->installEventFilter(new EnterClicks(button)); }

}  // namespace quillfold
