#include "platform/standard_descriptors.h"

namespace quillfold {

// Nothing to do on Windows. The standard handles are slots in the process's
// parameters, not the lowest free numbers as POSIX descriptors are: a program
// started without standard output finds no handle there (GetStdHandle gives
// NULL), and no handle CreateFileW returns is ever put into that slot, so no
// page file can receive the log. Writing to the missing output fails, which
// the command line reports as a list of names it could not write.
void OpenStandardDescriptors() {}

}  // namespace quillfold
