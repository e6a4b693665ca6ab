#ifndef QUILLFOLD_WINDOW_SHARED_FOCUS_ORDER_H_
#define QUILLFOLD_WINDOW_SHARED_FOCUS_ORDER_H_

#include <string_view>
#include <vector>

namespace quillfold {

// The controls that take the focus, in the order Tab visits them; the first
// has the focus when the window opens. Labels never take it.
std::vector<std::string_view> FocusOrder();

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_SHARED_FOCUS_ORDER_H_
