#include "runtime/command_arguments.h"

namespace quillfold {

std::string FolderArgumentMistake(std::string_view folder) {
  if (folder.empty()) return "the folder is an empty text";
  if (folder.find_first_not_of(" \t\n\v\f\r") == std::string_view::npos) {
    return "the folder is blank";
  }
  return {};
}

std::string FolderMistake(std::string_view argument, const std::string& folder) {
  if (!folder.empty()) return "more than one folder given";
  return FolderArgumentMistake(argument);
}

}  // namespace quillfold
