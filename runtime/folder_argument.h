#ifndef QUILLFOLD_RUNTIME_FOLDER_ARGUMENT_H_
#define QUILLFOLD_RUNTIME_FOLDER_ARGUMENT_H_

#include <string>
#include <string_view>

namespace quillfold {

// What is wrong with a FOLDER given on a command line, for a usage mistake;
// empty when nothing is. An empty or blank folder is a mistake, not the
// current folder: Windows drops trailing spaces from a path, so " " would
// name the current folder there, and a script's unset variable would run
// wherever it was started.
std::string FolderArgumentMistake(std::string_view folder);

}  // namespace quillfold

#endif  // QUILLFOLD_RUNTIME_FOLDER_ARGUMENT_H_
