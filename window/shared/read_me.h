#ifndef QUILLFOLD_WINDOW_SHARED_READ_ME_H_
#define QUILLFOLD_WINDOW_SHARED_READ_ME_H_

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "runtime/error.h"

namespace quillfold {

// What Command3 opens.
struct ReadMeTarget {
  std::string location;  // The publisher's address, or a local file's path.
  bool local = false;

  friend bool operator==(const ReadMeTarget&, const ReadMeTarget&) = default;
};

// With a publisher host, the publisher's page
// (http://HOST/Quillfold/readme.html); else the first of
// `local_pages` that `exists` (the copy installed with the program, then
// any other), and when none does, the first, so that the report names
// where the page belongs.
ReadMeTarget ChooseReadMe(std::string_view publisher_host, std::span<const std::string> local_pages,
                          const std::function<bool(const std::string& path)>& exists);

// Opens `target` in the desktop's browser through `open`, which says
// whether a browser took it, and returns at once. `address` is the target
// as the report names it. A local page that is not there is not handed to a
// browser, which would show its own error page or nothing. Returns the
// error to report (429), if any.
std::optional<Error> OpenReadMe(const ReadMeTarget& target, std::string_view address,
                                const std::function<bool(const std::string& path)>& exists,
                                const std::function<bool(const ReadMeTarget& target)>& open);

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_SHARED_READ_ME_H_
