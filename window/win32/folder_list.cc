#include "window/win32/folder_list.h"

#include <shellapi.h>
#include <shlobj.h>

#include <utility>

#include "platform/windows/wide_text.h"
#include "runtime/error.h"
#include "window/shared/folder_listing.h"
#include "window/shared/start_folder.h"
#include "window/win32/run_wait.h"
#include "window/win32/window_text.h"
#include "window/win32/windows_folder_lines.h"

namespace quillfold {
namespace {

// A line, in 96-dpi pixels: a small icon and its margins, and the
// indentation per level.
constexpr int kLineHeight = 18;
constexpr int kIconSize = 16;
constexpr int kIndent = 12;
constexpr int kMargin = 2;

int Scale(int pixels, int dots_per_inch) { return MulDiv(pixels, dots_per_inch, 96); }

// The shell's folder icon; where the system has no stock icons, the same
// picture from shell32.dll, where Windows has kept it since Windows 95.
HICON FolderIcon(SHSTOCKICONID id, int shell32_index) {
  SHSTOCKICONINFO info{};
  info.cbSize = sizeof(info);
  // A system may answer S_OK without an icon.
  if (SUCCEEDED(SHGetStockIconInfo(id, SHGSI_ICON | SHGSI_SMALLICON, &info)) &&
      info.hIcon != nullptr) {
    return info.hIcon;
  }
  HICON icon = nullptr;
  ExtractIconExW(L"shell32.dll", shell32_index, nullptr, &icon, 1);
  return icon;
}

// Empty when the system cannot name it.
std::string CurrentFolder() {
  const DWORD length = GetCurrentDirectoryW(0, nullptr);
  if (length == 0) return {};
  std::wstring folder(length, L'\0');
  folder.resize(GetCurrentDirectoryW(length, folder.data()));
  return FromWide(folder);
}

// The user's profile folder (C:\Users\ann): USERPROFILE, else the shell's;
// empty when neither names it.
std::string ProfileFolder() {
  if (const DWORD length = GetEnvironmentVariableW(L"USERPROFILE", nullptr, 0); length > 1) {
    std::wstring folder(length, L'\0');
    folder.resize(GetEnvironmentVariableW(L"USERPROFILE", folder.data(), length));
    return FromWide(folder);
  }
  PWSTR path = nullptr;
  std::string folder;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Profile, 0, nullptr, &path))) folder = FromWide(path);
  CoTaskMemFree(path);
  return folder;
}

// The root of the drive Windows is on ("C:\"), which always exists.
std::string SystemRoot() {
  std::wstring windows(MAX_PATH, L'\0');
  windows.resize(GetSystemWindowsDirectoryW(windows.data(), MAX_PATH));
  return FromWide(windows.substr(0, 3));
}

}  // namespace

int FolderLineHeight(int dots_per_inch) { return Scale(kLineHeight, dots_per_inch); }

FolderList::FolderList(HWND list, std::function<void()> wait)
    : list_(list),
      wait_(std::move(wait)),
      open_folder_icon_(FolderIcon(SIID_FOLDEROPEN, 4)),
      closed_folder_icon_(FolderIcon(SIID_FOLDER, 3)) {}

void FolderList::OpenStart() {
  Show(Await([places = StartPlaces{
                  .current = CurrentFolder(), .home = ProfileFolder(), .root = SystemRoot()}] {
    return ListStartFolder(places, WindowsFolderLines, PathStyle::kWindows);
  }));
}

FolderList::~FolderList() {
  if (open_folder_icon_ != nullptr) DestroyIcon(open_folder_icon_);
  if (closed_folder_icon_ != nullptr) DestroyIcon(closed_folder_icon_);
}

void FolderList::SetDotsPerInch(int dots_per_inch) {
  dots_per_inch_ = dots_per_inch;
  SendMessageW(list_, LB_SETITEMHEIGHT, 0, FolderLineHeight(dots_per_inch));
}

void FolderList::DrawLine(const DRAWITEMSTRUCT& item) const {
  if (item.itemID == static_cast<UINT>(-1) || item.itemID >= lines_.size()) return;
  const FolderLine& line = lines_[item.itemID];
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  const int margin = Scale(kMargin, dots_per_inch_);
  const int icon_size = Scale(kIconSize, dots_per_inch_);
  int left = item.rcItem.left + margin + line.depth * Scale(kIndent, dots_per_inch_);
  const HICON icon = line.open ? open_folder_icon_ : closed_folder_icon_;
  if (icon != nullptr) {
    const int top = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - icon_size) / 2;
    DrawIconEx(item.hDC, left, top, icon, icon_size, icon_size, 0, nullptr, DI_NORMAL);
  }
  left += icon_size + margin * 2;
  RECT text_place = item.rcItem;
  text_place.left = left;
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  const std::wstring shown = WideShownName(line.name);
  DrawTextW(item.hDC, shown.c_str(), static_cast<int>(shown.size()), &text_place,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(item.hDC, &item.rcItem);
}

void FolderList::OpenHighlighted() {
  const LRESULT line = SendMessageW(list_, LB_GETCURSEL, 0, 0);
  if (listing_ || line < 0 || static_cast<std::size_t>(line) >= lines_.size()) return;
  try {
    Open(lines_[static_cast<std::size_t>(line)].path);
  } catch (const Error&) {
    SendMessageW(list_, LB_SETCURSEL, open_line_, 0);
    throw;
  }
}

void FolderList::Open(const std::string& folder) {
  // Input is held meanwhile: only the program itself could ask again, and
  // the folder asked first is the one the user opened.
  if (listing_) return;
  Show(Await([folder] { return ListedFolder{folder, WindowsFolderLines(folder)}; }));
}

ListedFolder FolderList::Await(std::function<ListedFolder()> list) {
  listing_ = true;
  FolderListing listing(
      std::move(list), [owner = GetParent(list_)] { PostMessageW(owner, kRunEndedMessage, 0, 0); });
  wait_();
  listing_ = false;
  return listing.Finish();
}

void FolderList::Show(ListedFolder listed) {
  open_folder_ = std::move(listed.folder);
  lines_ = std::move(listed.lines);
  SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list_, LB_RESETCONTENT, 0, 0);
  open_line_ = 0;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    // The text is for screen readers and type-ahead; the line is drawn here.
    SendMessageW(list_, LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(WideShownName(lines_[i].name).c_str()));
    if (lines_[i].open) open_line_ = static_cast<int>(i);
  }
  SendMessageW(list_, LB_SETCURSEL, open_line_, 0);
  SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_, nullptr, TRUE);
}

}  // namespace quillfold
