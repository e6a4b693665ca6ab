#include "runtime/checked_int16.h"

#include <limits>
#include <string>

#include "runtime/error.h"

namespace quillfold {

std::int16_t Increment(std::int16_t value, std::string_view name) {
  if (value == std::numeric_limits<std::int16_t>::max()) {
    throw Error(kOverflow, std::string(name) + " passes 32767");
  }
  return static_cast<std::int16_t>(value + 1);
}

}  // namespace quillfold
