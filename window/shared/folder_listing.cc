#include "window/shared/folder_listing.h"

#include <optional>
#include <utility>

#include "runtime/error.h"

namespace quillfold {

FolderListing::FolderListing(std::function<ListedFolder()> list, std::function<void()> ended)
    : work_([this, list = std::move(list)] { listed_ = list(); }, std::move(ended)) {}

ListedFolder FolderListing::Finish() {
  if (const std::optional<Error> failure = work_.Finish()) throw *failure;
  return std::move(listed_);
}

}  // namespace quillfold
