#include "window/shared/read_me.h"

namespace quillfold {
namespace {

std::string PublisherReadMeAddress(std::string_view publisher_host) {
  return "http://" + std::string(publisher_host) + "/Quillfold/readme.html";
}

}  // namespace

ReadMeTarget ChooseReadMe(std::string_view publisher_host, std::span<const std::string> local_pages,
                          const std::function<bool(const std::string& path)>& exists) {
  if (!publisher_host.empty()) return {PublisherReadMeAddress(publisher_host), false};
  for (const std::string& page : local_pages) {
    if (exists(page)) return {page, true};
  }
  return {local_pages.empty() ? std::string() : local_pages.front(), true};
}

std::optional<Error> OpenReadMe(const ReadMeTarget& target, std::string_view address,
                                const std::function<bool(const std::string& path)>& exists,
                                const std::function<bool(const ReadMeTarget& target)>& open) {
  if (target.local && !exists(target.location)) {
    return Error(kCannotStartBrowser, "no read-me page at " + std::string(address));
  }
  if (!open(target)) return Error(kCannotStartBrowser, "no browser opened " + std::string(address));
  return std::nullopt;
}

}  // namespace quillfold
