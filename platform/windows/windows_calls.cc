#include "platform/windows/windows_calls.h"

namespace quillfold {

BOOL WindowsCalls::GetFileInformationByHandleEx(HANDLE file, FILE_INFO_BY_HANDLE_CLASS info_class,
                                                void* buffer, DWORD size) {
  return ::GetFileInformationByHandleEx(file, info_class, buffer, size);
}

NTSTATUS WindowsCalls::NtCreateFile(HANDLE* file, ACCESS_MASK access, OBJECT_ATTRIBUTES* attributes,
                                    IO_STATUS_BLOCK* io, ULONG file_attributes, ULONG share,
                                    ULONG disposition, ULONG options) {
  return ::NtCreateFile(file, access, attributes, io, nullptr, file_attributes, share, disposition,
                        options, nullptr, 0);
}

HANDLE WindowsCalls::CreateMutexExW(SECURITY_ATTRIBUTES* security, const wchar_t* name, DWORD flags,
                                    DWORD access) {
  return ::CreateMutexExW(security, name, flags, access);
}

void WindowsCalls::Sleep(DWORD milliseconds) { ::Sleep(milliseconds); }

WindowsCalls& SystemCalls() {
  static WindowsCalls calls;
  return calls;
}

}  // namespace quillfold
