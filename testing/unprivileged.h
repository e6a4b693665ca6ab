#ifndef QUILLFOLD_TESTING_UNPRIVILEGED_H_
#define QUILLFOLD_TESTING_UNPRIVILEGED_H_

#include <functional>
#include <string>

namespace quillfold::testing {

// Runs `body` in a child process as the unprivileged user "nobody" when the
// tests run as root (as CI does), so that permission checks apply to it;
// otherwise in a child as the current user. The child starts in "/", so
// `body` must name its folders by absolute paths outside the checkout (a
// TempFolder). Returns what `body` returned.
std::string RunUnprivileged(const std::function<std::string()>& body);

// Makes the calling process the user "nobody" (uid and gid 65534, no
// supplementary groups); for a child between fork and exec, as it makes
// plain system calls only. Returns false when the system refused.
bool BecomeNobody();

}  // namespace quillfold::testing

#endif  // QUILLFOLD_TESTING_UNPRIVILEGED_H_
