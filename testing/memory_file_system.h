#ifndef QUILLFOLD_TESTING_MEMORY_FILE_SYSTEM_H_
#define QUILLFOLD_TESTING_MEMORY_FILE_SYSTEM_H_

namespace quillfold::testing {

// Makes later TempFolders live on the memory file system /dev/shm when it
// has room for `files` files, and on the usual temporary area otherwise.
// Hundreds of thousands of files cost a disk's file system tens of seconds
// to make and remove; in memory they cost a few.
void PreferMemoryFileSystem(long files);

}  // namespace quillfold::testing

#endif  // QUILLFOLD_TESTING_MEMORY_FILE_SYSTEM_H_
