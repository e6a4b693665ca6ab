#ifndef QUILLFOLD_WINDOW_QT_ENTER_KEY_H_
#define QUILLFOLD_WINDOW_QT_ENTER_KEY_H_

class QAbstractButton;

namespace quillfold {

// Lets Return and keypad Enter press `button` while it has the focus, as
// Space does. Qt does that only for a dialog's buttons; the window is no
// dialog and has no default button, so Enter acts on the focused button
// alone. A key held down presses once, not once per repeat.
void ClickOnEnter(QAbstractButton* button);

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_QT_ENTER_KEY_H_
