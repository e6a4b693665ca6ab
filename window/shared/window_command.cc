#include "window/shared/window_command.h"

#include "runtime/folder_argument.h"

namespace quillfold {

std::string FolderMistake(std::string_view argument, const std::string& folder) {
  if (!folder.empty()) return "more than one folder given";
  return FolderArgumentMistake(argument);
}

}  // namespace quillfold
