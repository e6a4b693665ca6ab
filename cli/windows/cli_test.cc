// The real quillfold-cli.exe as a Windows user runs it: arguments as UTF-16,
// names printed as UTF-8 with CR LF into a pipe, the bytes it writes.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>
#include <vector>

#include "generation/link_record.h"
#include "platform/windows/wide_text.h"
#include "runtime/error.h"
#include "testing/generation_run.h"
#include "testing/temp_folder.h"

namespace quillfold {
namespace {

using testing::ListingOrder;
using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;

struct CliResult {
  DWORD exit_code = 0;
  std::string out;
  std::string err;
};

// How the child's standard output is set up: a pipe the test reads, a
// pipe whose reader is gone, or a file that cannot be written.
enum class Output { kPipe, kReaderGone, kReadOnlyFile };

// One argument as the C run-time's parser reads it back: quoted, with the
// backslashes before a quote doubled.
std::wstring Quoted(const std::wstring& argument) {
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, L'\\');
  return quoted + L"\"";
}

std::string ReadAll(HANDLE pipe) {
  std::string bytes;
  char chunk[4096];
  DWORD got = 0;
  while (::ReadFile(pipe, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
  return bytes;
}

// Runs quillfold-cli with `arguments` written after its name as they are.
CliResult RunCliLine(const std::wstring& arguments, Output output = Output::kPipe,
                     const std::string& working_folder = "") {
  std::wstring command_line = Quoted(ToWide(QUILLFOLD_CLI_PATH)) + L" " + arguments;

  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE out_read, out_write, err_read, err_write;
  if (!CreatePipe(&out_read, &out_write, &inherit, 0) ||
      !CreatePipe(&err_read, &err_write, &inherit, 0)) {
    ADD_FAILURE() << "no pipes";
    return {};
  }
  SetHandleInformation(out_read, HANDLE_FLAG_INHERIT, 0);
  SetHandleInformation(err_read, HANDLE_FLAG_INHERIT, 0);
  if (output == Output::kReaderGone) CloseHandle(out_read);
  HANDLE read_only = INVALID_HANDLE_VALUE;
  if (output == Output::kReadOnlyFile) {
    read_only = CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                            OPEN_EXISTING, 0, nullptr);
  }

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = nullptr;
  startup.hStdOutput = output == Output::kReadOnlyFile ? read_only : out_write;
  startup.hStdError = err_write;
  PROCESS_INFORMATION process;
  const std::wstring folder = ToWide(working_folder);
  // Wine now and then refuses a start under load with ERROR_INTERNAL_ERROR
  // before the program runs at all; these tests are about the program, so
  // such a start is asked again.
  BOOL started = FALSE;
  for (int attempt = 0; attempt < 3 && !started; ++attempt) {
    started =
        CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                       nullptr, folder.empty() ? nullptr : folder.c_str(), &startup, &process);
    if (!started && GetLastError() != ERROR_INTERNAL_ERROR) break;
  }
  CloseHandle(out_write);
  CloseHandle(err_write);
  if (read_only != INVALID_HANDLE_VALUE) CloseHandle(read_only);
  CliResult result;
  if (!started) {
    ADD_FAILURE() << "cannot start quillfold-cli: error " << GetLastError();
  } else {
    std::thread error_reader([&] { result.err = ReadAll(err_read); });
    if (output != Output::kReaderGone) result.out = ReadAll(out_read);
    error_reader.join();
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &result.exit_code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
  }
  if (output != Output::kReaderGone) CloseHandle(out_read);
  CloseHandle(err_read);
  return result;
}

CliResult RunCli(const std::vector<std::wstring>& arguments, Output output = Output::kPipe,
                 const std::string& working_folder = "") {
  std::wstring line;
  for (const std::wstring& argument : arguments) line += L" " + Quoted(argument);
  return RunCliLine(line, output, working_folder);
}

std::string Records(const std::vector<std::string>& names) {
  std::string records;
  for (const std::string& name : names) AppendLinkRecord(records, name, name);
  return records;
}

std::string Joined(const std::vector<std::string>& names, std::string_view end) {
  std::string joined;
  for (const std::string& name : names) joined += name + std::string(end);
  return joined;
}

// Names beyond any ANSI code page, each made by its UTF-16 name.
class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const wchar_t* name :
         {L"a b.txt", L"\u65E5\u672C\u8A9E.txt", L"\U0001F600.txt", L"caf\u00E9.md"}) {
      const HANDLE file = CreateFileW((SystemPath(folder_.path()) + L"\\" + name).c_str(),
                                      GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
      ASSERT_NE(file, INVALID_HANDLE_VALUE);
      CloseHandle(file);
    }
    order_ = ListingOrder(folder_.path());
    for (const std::string& name : order_) {
      if (name.ends_with(".txt")) txt_.push_back(name);
    }
    ASSERT_EQ(txt_.size(), 3u);
  }

  std::wstring Folder() const { return ToWide(folder_.path()); }

  TempFolder folder_;
  std::vector<std::string> order_;
  std::vector<std::string> txt_;
};

TEST_F(CliTest, PrintsNamesAsUtf8WithCrLfAndWritesTheRecords) {
  const CliResult result = RunCli({L"--filter", L".txt", Folder()});
  EXPECT_EQ(result.exit_code, 0u) << result.err;
  EXPECT_EQ(result.out, Joined(txt_, "\r\n"));
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(ReadFile(folder_ / "index1.html"), Records(txt_));
}

TEST_F(CliTest, TakesArgumentsBeyondTheAnsiCodePage) {
  const CliResult result = RunCli({L"--filter=\u65E5\u672C", L"-0", Folder()});
  EXPECT_EQ(result.exit_code, 0u) << result.err;
  const std::string japanese = "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E.txt";
  EXPECT_EQ(result.out, japanese + std::string(1, '\0'));
  EXPECT_EQ(ReadFile(folder_ / "index1.html"), Records({japanese}));
}

TEST_F(CliTest, MakesAFolderAbsoluteWhateverItsForm) {
  const std::string master = Records({"index1.html", "index2.html", "index3.html", "index4.html"});
  const struct {
    std::string what;
    std::wstring folder;
    std::string working_folder;
  } kCases[] = {
      {"relative", L".\\", folder_.path()},
      {"forward slashes and a trailing one", Folder() + L"/./", ""},
      {"long form", L"\\\\?\\" + Folder(), ""},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const CliResult result =
        RunCli({L"--paging", L"--links-per-page", L"1", L"--filter", L".", c.folder}, Output::kPipe,
               c.working_folder);
    EXPECT_EQ(result.exit_code, 0u) << result.err;
    EXPECT_EQ(result.out, Joined(order_, "\r\n"));
    EXPECT_EQ(ReadFile(folder_ / "index.html"), master);
    for (const char* page :
         {"index.html", "index1.html", "index2.html", "index3.html", "index4.html"}) {
      DeleteFileW((SystemPath(folder_.path()) + L"\\" + ToWide(page)).c_str());
    }
  }
}

// Explorer and scripts quote a folder as they got it: "C:\" and "C:\t1\"
// keep their backslash, and the options after them stay options.
TEST_F(CliTest, AQuotedFolderMayEndInABackslash) {
  const CliResult result = RunCliLine(L"\"" + Folder() + L"\\\" --paging --links-per-page 3");
  EXPECT_EQ(result.exit_code, 0u) << result.err;
  EXPECT_EQ(ReadFile(folder_ / "index.html"), Records({"index1.html", "index2.html"}));
}

// Folders another system named, each beside the folder Windows' own full
// form of its path names; the run writes into the one named exactly.
TEST(CliExactFolderTest, WritesIntoTheFolderNamedWithItsTrailingDotsAndBlanks) {
  TempFolder parent;
  const std::string long_parent = "\\\\?\\" + parent.path() + "\\";
  for (const char* name : {"foo", "foo.", "bar "}) {
    ASSERT_TRUE(CreateDirectoryW(ToWide(long_parent + name).c_str(), nullptr)) << name;
    WriteFile(long_parent + name + "\\file.txt", "");
  }
  for (const char* name : {"foo.", "bar "}) {
    SCOPED_TRACE(name);
    const CliResult result = RunCli({ToWide(parent / name)});
    EXPECT_EQ(result.exit_code, 0u) << result.err;
    EXPECT_EQ(result.out, "file.txt\r\n");
    EXPECT_EQ(ReadFile(long_parent + name + "\\index1.html"), Records({"file.txt"}));
  }
}

TEST_F(CliTest, ReportsFailuresWithNumberTextAndDetail) {
  const std::string gone = folder_ / "gone";
  const struct {
    std::vector<std::wstring> arguments;
    DWORD exit_code;
    std::string err_start;
  } kCases[] = {
      {{ToWide(gone)},
       1,
       "quillfold-cli: error 76: Path not found\r\nquillfold-cli: " + gone + ": " +
           SystemErrorText(ERROR_PATH_NOT_FOUND) + "\r\n"},
      {{L"--links-per-page", L"abc", Folder()},
       1,
       "quillfold-cli: error 13: Type mismatch\r\nquillfold-cli: \"abc\" is not a number\r\n"},
      {{L"--bogus", Folder()}, 2, "quillfold-cli: unknown option --bogus\r\nUsage: "},
      {{Folder()},
       1,
       "quillfold-cli: error 70: Permission denied\r\nquillfold-cli: another Quillfold run is "
       "writing in " +
           folder_.path() + "\r\n"},
  };
  // Another run's lock, held by this test while the program runs.
  quillfold::Folder other_run(SystemDisk(), folder_.path());
  other_run.LockForRun();
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.err_start);
    const CliResult result = RunCli(c.arguments);
    EXPECT_EQ(result.exit_code, c.exit_code);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.substr(0, c.err_start.size()), c.err_start);
  }
}

TEST(CliAnswerTest, AnswersVersionAndHelpWithCrLf) {
  EXPECT_EQ(RunCli({L"--version"}).out, "quillfold-cli 1.00\r\n");
  const CliResult help = RunCli({L"--help"});
  EXPECT_EQ(help.exit_code, 0u);
  EXPECT_TRUE(help.out.starts_with("Usage: quillfold-cli ")) << help.out;
  EXPECT_EQ(help.out.find('\n'), help.out.find("\r\n") + 1);
  EXPECT_TRUE(help.out.ends_with("show the version\r\n"));
  EXPECT_NE(help.out.find("FOLDER\\index1.html and"), std::string::npos) << help.out;
  EXPECT_EQ(RunCli({L"/?"}).out, help.out);
  EXPECT_EQ(RunCli({L"-h"}).out, help.out);
}

// With a standard output that cannot be written every record is still
// written; the run then says the list of names is incomplete. A reader that
// went away is no failure at all.
TEST_F(CliTest, AnOutputThatCannotBeWrittenLeavesTheRunWhole) {
  const CliResult none = RunCli({L"--filter", L".txt", Folder()}, Output::kReadOnlyFile);
  EXPECT_EQ(none.exit_code, 1u);
  EXPECT_EQ(none.err, "quillfold-cli: the list of linked names is incomplete: " +
                          SystemErrorText(ERROR_ACCESS_DENIED) + "\r\n");
  EXPECT_EQ(ReadFile(folder_ / "index1.html"), Records(txt_));

  const CliResult gone = RunCli({L"--filter", L".txt", Folder()}, Output::kReaderGone);
  EXPECT_EQ(gone.exit_code, 0u) << gone.err;
  EXPECT_EQ(gone.err, "");
  EXPECT_EQ(ReadFile(folder_ / "index1.html"), Records(txt_) + Records(txt_));
}

}  // namespace
}  // namespace quillfold
