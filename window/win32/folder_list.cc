#include "window/win32/folder_list.h"

#include <shellapi.h>
#include <shlobj.h>

#include <utility>

#include "window/win32/window_text.h"

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

}  // namespace

int FolderLineHeight(int dots_per_inch) { return Scale(kLineHeight, dots_per_inch); }

FolderList::FolderList(HWND list)
    : list_(list),
      open_folder_icon_(FolderIcon(SIID_FOLDEROPEN, 4)),
      closed_folder_icon_(FolderIcon(SIID_FOLDER, 3)) {}

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

int FolderList::highlighted_line() const {
  return static_cast<int>(SendMessageW(list_, LB_GETCURSEL, 0, 0));
}

void FolderList::Highlight(std::size_t line) { SendMessageW(list_, LB_SETCURSEL, line, 0); }

void FolderList::Show(std::vector<FolderLine> lines, std::size_t open_line) {
  lines_ = std::move(lines);
  SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list_, LB_RESETCONTENT, 0, 0);
  for (const FolderLine& line : lines_) {
    // The text is for screen readers and type-ahead; the line is drawn here.
    SendMessageW(list_, LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(WideShownName(line.name).c_str()));
  }
  Highlight(open_line);
  SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_, nullptr, TRUE);
}

}  // namespace quillfold
