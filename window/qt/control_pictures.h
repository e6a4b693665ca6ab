#ifndef QUILLFOLD_WINDOW_QT_CONTROL_PICTURES_H_
#define QUILLFOLD_WINDOW_QT_CONTROL_PICTURES_H_

#include <QByteArray>
#include <string_view>

namespace quillfold {

// A file name may hold control characters; shown as they are, a carriage
// return or a line feed would split one name over two lines of the log or
// the folder list, and an escape would vanish. Where the window shows a
// name, each control byte 0x00-0x1F becomes its Unicode control picture
// U+2400 + byte (so CR shows as U+240D) and DEL 0x7F becomes U+2421, in
// UTF-8. Every other byte stays, so the result decodes like the name.
void AppendWithControlPictures(std::string_view bytes, QByteArray& out);
QByteArray WithControlPictures(std::string_view bytes);

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_QT_CONTROL_PICTURES_H_
