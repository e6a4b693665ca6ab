#ifndef QUILLFOLD_PLATFORM_STANDARD_DESCRIPTORS_H_
#define QUILLFOLD_PLATFORM_STANDARD_DESCRIPTORS_H_

namespace quillfold {

// Opens /dev/null (read-only) onto each of descriptors 0, 1 and 2 that is closed. The
// system hands out the lowest free descriptor, so a program started with
// standard output closed would otherwise open its first page file as
// descriptor 1 and print its log lines into it. Call first thing in main.
void OpenStandardDescriptors();

}  // namespace quillfold

#endif  // QUILLFOLD_PLATFORM_STANDARD_DESCRIPTORS_H_
