#ifndef QUILLFOLD_RUNTIME_CHECKED_INT16_H_
#define QUILLFOLD_RUNTIME_CHECKED_INT16_H_

#include <cstdint>
#include <string_view>

namespace quillfold {

// Adds 1 to a 16-bit counter. Passing 32767 raises error 6 (Overflow) instead
// of wrapping; `name` says which counter it was, for the error's detail.
std::int16_t Increment(std::int16_t value, std::string_view name);

}  // namespace quillfold

#endif  // QUILLFOLD_RUNTIME_CHECKED_INT16_H_
