#ifndef QUILLFOLD_PLATFORM_WINDOWS_PROGRAM_START_H_
#define QUILLFOLD_PLATFORM_WINDOWS_PROGRAM_START_H_

namespace quillfold {

// What both Windows programs do first of all:
// - mark the process as a running Quillfold (running_mark.h);
// - let a drive without its medium (an empty card reader) fail a call
//   instead of asking in the system's "no disk" box;
// - see OneDrive's and other cloud files' placeholders as the reparse
//   points they are. The cloud files API hides them from every process that
//   does not ask for them, and Quillfold's handling of a placeholder in a
//   page's place needs to see one.
void StartProgram();

}  // namespace quillfold

#endif  // QUILLFOLD_PLATFORM_WINDOWS_PROGRAM_START_H_
