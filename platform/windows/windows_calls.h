#ifndef QUILLFOLD_PLATFORM_WINDOWS_WINDOWS_CALLS_H_
#define QUILLFOLD_PLATFORM_WINDOWS_WINDOWS_CALLS_H_

#include <windows.h>
#include <winternl.h>

namespace quillfold {

// The calls of Windows whose answers depend on the file system or on the
// version of Windows: the information and directory classes a volume may
// refuse (FAT32, exFAT, network redirectors, Windows 7), the open of a page
// that another program may hold, and the named mutexes other users share.
// The Windows disk and the running mark make them through this interface,
// so that a test can hand the real code the answers those systems document,
// which Wine never gives. Each method is the system's call of that name with
// its arguments; the base class makes the real call.
class WindowsCalls {
 public:
  virtual ~WindowsCalls() = default;

  virtual BOOL GetFileInformationByHandleEx(HANDLE file, FILE_INFO_BY_HANDLE_CLASS info_class,
                                            void* buffer, DWORD size);
  // Without an allocation size or extended attributes.
  virtual NTSTATUS NtCreateFile(HANDLE* file, ACCESS_MASK access, OBJECT_ATTRIBUTES* attributes,
                                IO_STATUS_BLOCK* io, ULONG file_attributes, ULONG share,
                                ULONG disposition, ULONG options);
  virtual HANDLE CreateMutexExW(SECURITY_ATTRIBUTES* security, const wchar_t* name, DWORD flags,
                                DWORD access);
  // How the disk waits before it tries an open again.
  virtual void Sleep(DWORD milliseconds);
};

// The real calls.
WindowsCalls& SystemCalls();

}  // namespace quillfold

#endif  // QUILLFOLD_PLATFORM_WINDOWS_WINDOWS_CALLS_H_
