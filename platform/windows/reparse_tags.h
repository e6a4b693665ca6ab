#ifndef QUILLFOLD_PLATFORM_WINDOWS_REPARSE_TAGS_H_
#define QUILLFOLD_PLATFORM_WINDOWS_REPARSE_TAGS_H_

#include <windows.h>

#include "runtime/disk.h"

namespace quillfold {

// What a reparse point with `tag` is. A tag that stands for another name
// (IsReparseTagNameSurrogate: symbolic links, junctions and mount points,
// WSL's links, and any later tag with that bit) is a link, never written
// through. Any other (OneDrive's and other cloud files, deduplicated and
// compressed files, app execution aliases, WSL's sockets) marks a file
// whose bytes a file system filter keeps.
inline FileKind KindOfReparseTag(DWORD tag) {
  if (tag == IO_REPARSE_TAG_SYMLINK) return FileKind::kSymbolicLink;
  if (IsReparseTagNameSurrogate(tag)) return FileKind::kReparsePoint;
  return FileKind::kFilteredFile;
}

}  // namespace quillfold

#endif  // QUILLFOLD_PLATFORM_WINDOWS_REPARSE_TAGS_H_
