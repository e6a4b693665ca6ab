#ifndef QUILLFOLD_WINDOW_QT_INPUT_HOLD_H_
#define QUILLFOLD_WINDOW_QT_INPUT_HOLD_H_

#include <QObject>

namespace quillfold {

// While it lives, the application drops the user's input (keys, clicks,
// the wheel, touch) and refuses to close its windows (the close button,
// Alt+F4, a window manager's close), and shows the wait cursor, while it
// goes on painting and answering the window manager's pings. A run holds
// the window so: input left waiting would play back after it, onto a
// window that has changed under it.
class InputHold : public QObject {
  Q_OBJECT

 public:
  InputHold();
  ~InputHold() override;

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override;
};

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_QT_INPUT_HOLD_H_
