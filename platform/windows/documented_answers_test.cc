// The Windows disk and the running mark given the answers that other file
// systems and versions of Windows document, which Wine never gives; and the
// security of the shared mutexes, read back from the real system.

// The NTSTATUS values by name, which <windows.h> defines only a few of.
#define WIN32_NO_STATUS
#include <windows.h>
#undef WIN32_NO_STATUS
#include <aclapi.h>
#include <gtest/gtest.h>
#include <ntstatus.h>
#include <winternl.h>

#include <cstdint>
#include <cstring>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "generation/generate_indexes.h"
#include "platform/windows/running_mark.h"
#include "platform/windows/shared_mutex.h"
#include "platform/windows/windows_disk.h"
#include "runtime/error.h"
#include "runtime/folder.h"
#include "runtime/list_folder_files.h"
#include "testing/fake_run.h"
#include "testing/folder_snapshot.h"
#include "testing/generation_run.h"
#include "testing/temp_folder.h"

namespace quillfold {
namespace {

using testing::TempFolder;

// The real calls, but for the answers a test gives: classes refused with an
// NTSTATUS, file ids by handle, page opens answered before the real one,
// and named mutexes refused; waits are only counted.
struct AnsweringCalls : WindowsCalls {
  std::map<FILE_INFO_BY_HANDLE_CLASS, NTSTATUS> refused;
  std::map<HANDLE, FILE_ID_INFO> ids;
  std::deque<NTSTATUS> page_opens;
  std::map<std::wstring, DWORD> mutex_errors;
  std::vector<std::wstring> mutexes;  // Named as asked, "!" added for an access not shared.
  std::vector<DWORD> waits;

  BOOL GetFileInformationByHandleEx(HANDLE file, FILE_INFO_BY_HANDLE_CLASS info_class, void* buffer,
                                    DWORD size) override {
    if (const auto it = refused.find(info_class); it != refused.end()) {
      SetLastError(RtlNtStatusToDosError(it->second));
      return FALSE;
    }
    if (const auto it = ids.find(file); info_class == FileIdInfo && it != ids.end()) {
      *static_cast<FILE_ID_INFO*>(buffer) = it->second;
      return TRUE;
    }
    return WindowsCalls::GetFileInformationByHandleEx(file, info_class, buffer, size);
  }
  NTSTATUS NtCreateFile(HANDLE* file, ACCESS_MASK access, OBJECT_ATTRIBUTES* attributes,
                        IO_STATUS_BLOCK* io, ULONG file_attributes, ULONG share, ULONG disposition,
                        ULONG options) override {
    if ((access & FILE_APPEND_DATA) && !page_opens.empty()) {
      const NTSTATUS answer = page_opens.front();
      page_opens.pop_front();
      return answer;
    }
    return WindowsCalls::NtCreateFile(file, access, attributes, io, file_attributes, share,
                                      disposition, options);
  }
  HANDLE CreateMutexExW(SECURITY_ATTRIBUTES* security, const wchar_t* name, DWORD flags,
                        DWORD access) override {
    const bool shared = security != nullptr && access == kSharedMutexAccess;
    mutexes.push_back(std::wstring(name) + (shared ? L"" : L"!"));
    if (const auto it = mutex_errors.find(name); it != mutex_errors.end()) {
      SetLastError(it->second);
      return nullptr;
    }
    // The running mark's own name stays free for the installer's check.
    const bool mark = std::wstring_view(name).ends_with(L"Quillfold-running");
    return WindowsCalls::CreateMutexExW(security, mark ? nullptr : name, flags, access);
  }
  void Sleep(DWORD milliseconds) override { waits.push_back(milliseconds); }
};

// A run over three files at two per page on a disk with `calls`' answers:
// its error number, 0 when it succeeded; `folder` then holds what it left.
int RunOver(const std::string& folder, AnsweringCalls& calls) {
  for (const char* name : {"a", "b", "c"}) testing::WriteFile(folder + "\\" + name, name);
  testing::FakeRun inputs;
  inputs.folder_path = folder;
  inputs.paging_on = true;
  inputs.links_per_page_text = "2";
  return testing::RunGeneration(inputs, *MakeWindowsDisk(calls));
}

TEST(DocumentedAnswersTest, RunsAndListsWhereVolumesRefuseInformationClasses) {
  const struct {
    const char* volume;
    std::map<FILE_INFO_BY_HANDLE_CLASS, NTSTATUS> refused;
  } kCases[] = {
      // FatCommonQueryInformation's default case (Windows-driver-samples
      // filesys/fastfat fileinfo.c) has neither class.
      {"FAT32",
       {{FileAttributeTagInfo, STATUS_INVALID_PARAMETER}, {FileIdInfo, STATUS_INVALID_PARAMETER}}},
      // Closed source; winfsp#661, microsoft/STL#2373: the same answer.
      {"exFAT", {{FileAttributeTagInfo, STATUS_INVALID_PARAMETER}}},
      // FILE_ID_INFO: "Minimum supported server: Windows Server 2012".
      {"Windows 7", {{FileIdInfo, STATUS_INVALID_INFO_CLASS}}},
      // microsoft/WSL#6063, #2896: rdbss-based redirectors and 9P.
      {"WebDAV, VirtualBox share, \\\\wsl$",
       {{FileIdBothDirectoryRestartInfo, STATUS_INVALID_INFO_CLASS},
        {FileIdInfo, STATUS_NOT_SUPPORTED}}},
      // Dokan before dokany#933 answered STATUS_NOT_IMPLEMENTED.
      {"third-party file system",
       {{FileIdBothDirectoryRestartInfo, STATUS_NOT_IMPLEMENTED},
        {FileAttributeTagInfo, STATUS_NOT_IMPLEMENTED}}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.volume);
    TempFolder folder;
    testing::MakeFolder(folder / "sub");
    AnsweringCalls calls;
    calls.refused = c.refused;
    ASSERT_EQ(RunOver(folder.path(), calls), 0);
    EXPECT_EQ(testing::ReadFile(folder / "index2.html"), testing::Records({"c"}));
    EXPECT_EQ(ListSubfolders(folder.path(), *MakeWindowsDisk(calls)).size(), 1u);
  }
}

// A class refused for another reason (a drive unplugged) ends the run; the
// page it made is removed again.
TEST(DocumentedAnswersTest, ARefusedRunLeavesNoEmptyPage) {
  TempFolder folder;
  AnsweringCalls calls;
  calls.refused = {{FileStandardInfo, STATUS_DEVICE_NOT_CONNECTED}};
  EXPECT_EQ(RunOver(folder.path(), calls), 57);
  EXPECT_EQ(testing::SnapshotFolder(folder.path()),
            (testing::FolderBytes{{"a", "a"}, {"b", "b"}, {"c", "c"}}));
}

TEST(DocumentedAnswersTest, APageHeldByAnotherProgramIsTriedAgainAWhile) {
  const struct {
    const char* what;
    std::deque<NTSTATUS> answers;
    int number;
    std::vector<DWORD> waits;
  } kCases[] = {
      {"a scanner holds it for three tries",
       std::deque<NTSTATUS>(3, STATUS_SHARING_VIOLATION),
       0,
       {10, 20, 40}},
      {"held throughout",
       std::deque<NTSTATUS>(6, STATUS_SHARING_VIOLATION),
       70,
       {10, 20, 40, 80, 160}},
      {"a byte range locked once", {STATUS_LOCK_NOT_GRANTED}, 0, {10}},
      {"no access: not tried again", {STATUS_ACCESS_DENIED}, 70, {}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    TempFolder folder;
    AnsweringCalls calls;
    calls.page_opens = c.answers;
    EXPECT_EQ(RunOver(folder.path(), calls), c.number);
    EXPECT_EQ(calls.waits, c.waits);
  }
}

// ReFS numbers files in 128 bits: folders whose ids differ only above the
// low 64 have locks of their own, and Status tells their files apart.
TEST(DocumentedAnswersTest, RunLocksAndStatusUseTheWholeFileId) {
  const struct {
    const char* what;
    std::uint64_t high_a, high_b;  // The ids' high halves; the low halves agree.
    bool refuse_ids;               // FileIdInfo refused: the 64-bit file index.
    bool both_taken;
  } kCases[] = {
      {"ReFS, ids apart above 64 bits", 1, 2, false, true},
      {"the same 128-bit id", 7, 7, false, false},
      {"Windows 7, two folders", 0, 0, true, true},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    TempFolder base;
    testing::MakeFolder(base / "a");
    testing::MakeFolder(base / "b");
    AnsweringCalls calls;
    if (c.refuse_ids) calls.refused[FileIdInfo] = STATUS_INVALID_PARAMETER;
    const std::unique_ptr<Disk> disk = MakeWindowsDisk(calls);
    Folder a(*disk, base / "a");
    Folder b(*disk, base / "b");
    for (const auto& [folder, high] : {std::pair{&a, c.high_a}, std::pair{&b, c.high_b}}) {
      FILE_ID_INFO id{0x1234, {}};
      std::memcpy(id.FileId.Identifier + 8, &high, sizeof high);
      calls.ids[reinterpret_cast<HANDLE>(folder->handle())] = id;
    }
    a.LockForRun();
    // A thread may take a mutex it holds once more; another run's thread.
    bool taken = false;
    std::thread([&] { disk->LockFolder(b.handle(), taken); }).join();
    EXPECT_EQ(taken, c.both_taken);
    EXPECT_EQ(calls.mutexes.size(), 2u);
    for (const std::wstring& name : calls.mutexes) EXPECT_EQ(name.find(L'!'), name.npos);
    FileStatus status;
    // To Windows a folder's handle is a file's: Status reads the folder's id.
    ASSERT_EQ(disk->Status(FileHandle{static_cast<std::intptr_t>(a.handle())}, status), 0);
    EXPECT_EQ(status.id.high, c.high_a);
  }
}

TEST(DocumentedAnswersTest, TheRunningMarkFallsBackToItsSessionOnlyWhenKeptOut) {
  const struct {
    const char* what;
    DWORD global_error;
    std::vector<std::wstring> asked;
  } kCases[] = {
      {"made or opened", 0, {L"Global\\Quillfold-running"}},
      // CreateMutexExW: a mutex that exists and "the caller has limited
      // access rights" fails with ERROR_ACCESS_DENIED.
      {"an older Quillfold of another user made it",
       ERROR_ACCESS_DENIED,
       {L"Global\\Quillfold-running", L"Local\\Quillfold-running"}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    AnsweringCalls calls;
    if (c.global_error != 0) calls.mutex_errors[L"Global\\Quillfold-running"] = c.global_error;
    MarkRunning(calls);
    EXPECT_EQ(calls.mutexes, c.asked);
  }
}

// Read back from the system: everyone may wait on a shared mutex and
// release it, and a second opener gets just that.
TEST(DocumentedAnswersTest, ASharedMutexLetsEveryoneWaitOnIt) {
  const std::wstring name = L"Local\\Quillfold-test-" + std::to_wstring(GetCurrentProcessId());
  const HANDLE made = CreateSharedMutex(SystemCalls(), name.c_str());
  ASSERT_NE(made, nullptr);
  const HANDLE opened = CreateSharedMutex(SystemCalls(), name.c_str());
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
  PUBLIC_OBJECT_BASIC_INFORMATION basic{};
  ASSERT_EQ(NtQueryObject(opened, ObjectBasicInformation, &basic, sizeof basic, nullptr), 0);
  EXPECT_EQ(basic.GrantedAccess, kSharedMutexAccess);

  const HANDLE reader = OpenMutexW(READ_CONTROL, FALSE, name.c_str());
  ASSERT_NE(reader, nullptr);
  PACL dacl = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  ASSERT_EQ(GetSecurityInfo(reader, SE_KERNEL_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                            &dacl, nullptr, &descriptor),
            static_cast<DWORD>(ERROR_SUCCESS));
  ASSERT_NE(dacl, nullptr);
  BYTE world[SECURITY_MAX_SID_SIZE];
  DWORD world_size = sizeof world;
  ASSERT_TRUE(CreateWellKnownSid(WinWorldSid, nullptr, world, &world_size));
  DWORD everyone = 0;
  for (DWORD i = 0; i < dacl->AceCount; ++i) {
    ACCESS_ALLOWED_ACE* ace;
    ASSERT_TRUE(GetAce(dacl, i, reinterpret_cast<void**>(&ace)));
    if (ace->Header.AceType == ACCESS_ALLOWED_ACE_TYPE && EqualSid(&ace->SidStart, world)) {
      everyone |= ace->Mask;
    }
  }
  EXPECT_EQ(everyone, kSharedMutexAccess);
  LocalFree(descriptor);
  for (const HANDLE handle : {made, opened, reader}) CloseHandle(handle);
}

}  // namespace
}  // namespace quillfold
