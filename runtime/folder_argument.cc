#include "runtime/folder_argument.h"

namespace quillfold {

std::string FolderArgumentMistake(std::string_view folder) {
  if (folder.empty()) return "the folder is an empty text";
  if (folder.find_first_not_of(" \t\n\v\f\r") == std::string_view::npos) {
    return "the folder is blank";
  }
  return {};
}

}  // namespace quillfold
