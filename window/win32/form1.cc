#include "window/win32/form1.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>
#include <windowsx.h>

#include <algorithm>
#include <optional>
#include <utility>

#include "generation/generate_indexes.h"
#include "generation/run_inputs.h"
#include "platform/windows/wide_text.h"
#include "window/shared/form_layout.h"
#include "window/shared/start_folder.h"
#include "window/shared/twips.h"
#include "window/win32/window_text.h"

namespace quillfold {
namespace {

constexpr wchar_t kWindowClass[] = L"QuillfoldForm1";
constexpr int kFirstControlId = 100;  // Clear of IDOK and IDCANCEL.
constexpr int kIconResource = 1;
constexpr UINT_PTR kLogTimer = 1;
// The log's first lines fill any window at once; the rest follows in steps
// of some 40 ms of edit box work, short enough to keep the window answering
// (250 lines take about 12 ms under Wine).
constexpr std::size_t kFirstLogLines = 200;
constexpr std::size_t kLogLinesPerStep = 250;
constexpr ULONGLONG kLogStepMilliseconds = 40;
// Dir1's lines, in 96-dpi pixels: a small icon and its margins, and the
// indentation per level.
constexpr int kFolderLineHeight = 18;
constexpr int kFolderIconSize = 16;
constexpr int kFolderIndent = 12;

int Scale(int pixels, int dots_per_inch) { return MulDiv(pixels, dots_per_inch, 96); }

std::wstring WindowText(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), text.size())));
  return text;
}

std::wstring Wide(std::string_view text) { return ToWide(text); }

// The run's settings as the controls hold them at the moment Command1 was
// pressed; the log is kept as text and given to Text1 once.
class ControlInputs : public RunInputs {
 public:
  ControlInputs(std::string folder, HWND filter_switch, HWND filter_text, HWND paging_switch,
                HWND links_per_page, LogText& log)
      : folder_(std::move(folder)),
        filter_switch_(filter_switch),
        filter_text_(filter_text),
        paging_switch_(paging_switch),
        links_per_page_(links_per_page),
        log_(log) {}

  // A grey check box is no ticked one: the option is off.
  RunSettings Settings() override {
    return {folder_, Button_GetCheck(filter_switch_) == BST_CHECKED,
            FromWide(WindowText(filter_text_)), Button_GetCheck(paging_switch_) == BST_CHECKED,
            FromWide(WindowText(links_per_page_))};
  }
  void Clear() override { log_.Clear(); }
  void AddLine(std::string_view name) override { log_.Append(name); }

 private:
  std::string folder_;
  HWND filter_switch_;
  HWND filter_text_;
  HWND paging_switch_;
  HWND links_per_page_;
  LogText& log_;
};

struct ControlClass {
  const wchar_t* class_name;
  DWORD style;
  DWORD extended_style;
};

ControlClass ClassOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::kLabel:
      return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
    case ControlKind::kFolderList:
      return {L"LISTBOX",
              LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL |
                  WS_TABSTOP,
              WS_EX_CLIENTEDGE};
    case ControlKind::kButton:
      return {L"BUTTON", BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP, 0};
    case ControlKind::kCheckBox:
      return {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
    case ControlKind::kTextBox:
      return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::kLog:
      return {L"EDIT",
              ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_HSCROLL | WS_VSCROLL | WS_TABSTOP,
              WS_EX_CLIENTEDGE};
  }
  return {L"STATIC", 0, 0};
}

int ControlId(const ControlLayout& control) {
  const auto controls = FormControls();
  return kFirstControlId + static_cast<int>(&control - controls.data());
}

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

// The folder's lines, none when its sub-folders cannot be read.
std::optional<std::vector<FolderLine>> ListedLines(const std::string& folder) {
  try {
    return WindowsFolderLines(folder);
  } catch (const Error&) {
    return std::nullopt;
  }
}

std::wstring ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), path.size());
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return path.substr(0, path.find_last_of(L'\\'));
}

// Input the user gave while a run held the window is dropped, not played
// back onto a window that has changed under it.
void DiscardQueuedInput() {
  MSG message;
  while (PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
  }
  while (PeekMessageW(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
  }
}

}  // namespace

void ReportError(HWND owner, const Error& error) {
  MessageBoxW(owner, ErrorBoxText(error).c_str(), L"Quillfold", MB_OK | MB_ICONERROR);
}

Form1::Form1(HINSTANCE instance) : instance_(instance) {
  // Common controls 6 (the manifest asks for them) draw in the system's style.
  INITCOMMONCONTROLSEX common_controls{sizeof(common_controls), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&common_controls);

  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = WindowProcedure;
  window_class.hInstance = instance;
  window_class.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIconResource));
  window_class.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconResource),
                                                       IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                       GetSystemMetrics(SM_CYSMICON), 0));
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kWindowClass;
  RegisterClassExW(&window_class);

  open_folder_icon_ = FolderIcon(SIID_FOLDEROPEN, 4);
  closed_folder_icon_ = FolderIcon(SIID_FOLDER, 3);

  const std::wstring caption = Wide(FormCaption(QUILLFOLD_PUBLISHER_HOST));
  // The window's size and place are set once its screen's DPI is known.
  window_ = CreateWindowExW(WS_EX_CONTROLPARENT, kWindowClass, caption.c_str(),
                            WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT, 0,
                            0, nullptr, nullptr, instance, this);
  dots_per_inch_ = static_cast<int>(GetDpiForWindow(window_));
  CreateControls();
  PlaceControls();

  const std::string current = CurrentFolder();
  std::optional<std::vector<FolderLine>> lines;
  if (!current.empty()) lines = ListedLines(current);
  open_folder_ = StartFolder({.current = current,
                              .current_listed = lines.has_value(),
                              .home = ProfileFolder(),
                              .root = SystemRoot()});
  if (open_folder_ != current) lines = ListedLines(open_folder_);
  // Nothing is reported while the window is being made; the path down to
  // the folder still shows where a run would write.
  ShowFolder(open_folder_, lines ? *lines : FolderPathLines(open_folder_, PathStyle::kWindows));
}

Form1::~Form1() {
  if (font_ != nullptr) DeleteObject(font_);
  if (open_folder_icon_ != nullptr) DestroyIcon(open_folder_icon_);
  if (closed_folder_icon_ != nullptr) DestroyIcon(closed_folder_icon_);
}

void Form1::ShowCentered(int show_command) {
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE));
  const DWORD extended_style = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE));
  RECT frame{0, 0, TwipsToPixels(kFormWidthTwips, dots_per_inch_),
             TwipsToPixels(kFormHeightTwips, dots_per_inch_)};
  AdjustWindowRectExForDpi(&frame, style, FALSE, extended_style, static_cast<UINT>(dots_per_inch_));
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& work = monitor.rcWork;
  SetWindowPos(window_, nullptr, work.left + (work.right - work.left - width) / 2,
               work.top + (work.bottom - work.top - height) / 2, width, height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(window_, show_command);
  UpdateWindow(window_);
  for (const ControlLayout& control : FormControls()) {
    if (control.focus_order == 0) SetFocus(Control(control.name));
  }
}

bool Form1::PreTranslate(const MSG& message) {
  // Text1 is a multi-line box: Tab leaves it for the next control rather
  // than staying inside, as in every other control.
  if (message.message == WM_KEYDOWN && message.wParam == VK_TAB &&
      message.hwnd == Control("Text1")) {
    const bool backwards = GetKeyState(VK_SHIFT) < 0;
    SetFocus(GetNextDlgTabItem(window_, message.hwnd, backwards));
    return true;
  }
  return false;
}

LRESULT CALLBACK Form1::WindowProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<Form1*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
    form->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<Form1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (form == nullptr) return DefWindowProcW(window, message, w, l);
  return form->Handle(message, w, l);
}

LRESULT Form1::Handle(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(w), HIWORD(w));
      return 0;
    case WM_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(l);
      item->itemHeight = static_cast<UINT>(Scale(kFolderLineHeight, dots_per_inch_));
      return TRUE;
    }
    case WM_TIMER:
      if (w == kLogTimer) ShowMoreOfLog();
      return 0;
    case WM_DRAWITEM:
      DrawFolderLine(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
      return TRUE;
    case WM_DPICHANGED: {
      dots_per_inch_ = HIWORD(w);
      PlaceControls();
      const RECT& suggested = *reinterpret_cast<const RECT*>(l);
      SetWindowPos(window_, nullptr, suggested.left, suggested.top,
                   suggested.right - suggested.left, suggested.bottom - suggested.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window_, message, w, l);
  }
}

void Form1::CreateControls() {
  // Tab visits the controls in the order they were made: the drawing's
  // focus order first, then the labels, which never take the focus.
  std::vector<const ControlLayout*> order;
  for (const ControlLayout& control : FormControls()) order.push_back(&control);
  std::stable_sort(order.begin(), order.end(), [](const auto* a, const auto* b) {
    const auto rank = [](const ControlLayout* c) {
      return c->focus_order == kNoFocus ? 1000 : c->focus_order;
    };
    return rank(a) < rank(b);
  });
  for (const ControlLayout* control : order) {
    const ControlClass control_class = ClassOf(control->kind);
    const DWORD style =
        WS_CHILD | control_class.style | (control->visible_at_start ? WS_VISIBLE : 0);
    HWND handle = CreateWindowExW(
        control_class.extended_style, control_class.class_name, Wide(control->text).c_str(), style,
        0, 0, 0, 0, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(*control))),
        instance_, nullptr);
    controls_[control->name] = handle;
  }
  // The log holds every name of a large folder, past the 30,000 characters
  // an edit box takes by default.
  SendMessageW(Control("Text1"), EM_SETLIMITTEXT, 0, 0);
}

void Form1::PlaceControls() {
  HFONT font =
      CreateFontW(FontHeight(kFormFontPoints, dots_per_inch_), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                  FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                  CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS, Wide(kFormFontFamily).c_str());
  for (const ControlLayout& control : FormControls()) {
    const PixelRect place = TwipsToPixels(control.place, dots_per_inch_);
    HWND handle = Control(control.name);
    MoveWindow(handle, place.left, place.top, place.width, place.height, FALSE);
    SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  SendMessageW(Control("Dir1"), LB_SETITEMHEIGHT, 0, Scale(kFolderLineHeight, dots_per_inch_));
  if (font_ != nullptr) DeleteObject(font_);
  font_ = font;
  InvalidateRect(window_, nullptr, TRUE);
}

HWND Form1::Control(std::string_view name) const { return controls_.at(name); }

void Form1::OnCommand(int id, int notification) {
  const auto is = [id](std::string_view name) { return id == ControlId(FormControl(name)); };
  if (id == IDOK) {
    // Enter: a focused button is pressed and Dir1 opens its highlighted
    // folder; in a text box or on a check box it does nothing.
    const HWND focus = GetFocus();
    if (focus == Control("Command1")) {
      RunGeneration();
    } else if (focus == Control("Command3")) {
      OpenReadMePage();
    } else if (focus == Control("Dir1")) {
      OpenHighlightedFolder();
    }
  } else if (is("Command1") && notification == BN_CLICKED) {
    RunGeneration();
  } else if (is("Command3") && notification == BN_CLICKED) {
    OpenReadMePage();
  } else if (is("Check1") && notification == BN_CLICKED) {
    ShowOrHideFilterText();
  } else if (is("Check2") && notification == BN_CLICKED) {
    ShowOrHideLinksPerPage();
  } else if (is("Dir1") && notification == LBN_DBLCLK) {
    OpenHighlightedFolder();
  }
}

void Form1::DrawFolderLine(const DRAWITEMSTRUCT& item) {
  if (item.itemID == static_cast<UINT>(-1) || item.itemID >= folder_lines_.size()) return;
  const FolderLine& line = folder_lines_[item.itemID];
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  const int margin = Scale(2, dots_per_inch_);
  const int icon_size = Scale(kFolderIconSize, dots_per_inch_);
  int left = item.rcItem.left + margin + line.depth * Scale(kFolderIndent, dots_per_inch_);
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
  const std::wstring shown = ShownName(line.name);
  DrawTextW(item.hDC, shown.c_str(), static_cast<int>(shown.size()), &text_place,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(item.hDC, &item.rcItem);
}

void Form1::ShowControls(bool filter, bool paging) {
  for (std::string_view name : FilterControls()) {
    ShowWindow(Control(name), filter ? SW_SHOW : SW_HIDE);
  }
  for (std::string_view name : PagingControls()) {
    ShowWindow(Control(name), paging ? SW_SHOW : SW_HIDE);
  }
}

void Form1::ShowOrHideFilterText() {
  HWND check1 = Control("Check1");
  switch (Button_GetCheck(check1)) {
    case BST_CHECKED:
      SetWindowTextW(check1, Wide(kFilterOnCaption).c_str());
      break;
    case BST_UNCHECKED:
      SetWindowTextW(check1, Wide(kFilterOffCaption).c_str());
      break;
    default:  // The grey state changes nothing.
      return;
  }
  ShowControls(Button_GetCheck(check1) == BST_CHECKED,
               Button_GetCheck(Control("Check2")) == BST_CHECKED);
}

void Form1::ShowOrHideLinksPerPage() {
  const LRESULT paging = Button_GetCheck(Control("Check2"));
  if (paging == BST_INDETERMINATE) return;
  ShowControls(Button_GetCheck(Control("Check1")) == BST_CHECKED, paging == BST_CHECKED);
}

void Form1::RunGeneration() {
  LogText log;
  ControlInputs inputs(open_folder_, Control("Check1"), Control("Text2"), Control("Check2"),
                       Control("Text3"), log);
  // The window takes no input while the run holds it.
  EnableWindow(window_, FALSE);
  const HCURSOR cursor = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  std::optional<Error> failure;
  try {
    GenerateIndexes(inputs);
  } catch (const Error& error) {
    failure = error;
  }
  // The names linked before a failure show behind its report.
  StartShowingLog(log.TakeText());
  DiscardQueuedInput();
  SetCursor(cursor);
  EnableWindow(window_, TRUE);
  SetFocus(Control("Command1"));
  if (failure) ReportError(window_, *failure);
}

void Form1::StartShowingLog(std::wstring text) {
  log_pieces_ = LogPieces(std::move(text));
  SetWindowTextW(Control("Text1"), log_pieces_.Next(kFirstLogLines).c_str());
  // A timer's turn comes after the user's input and painting: the rest of
  // the log goes in while the window answers.
  if (log_pieces_.done()) {
    KillTimer(window_, kLogTimer);
  } else {
    SetTimer(window_, kLogTimer, USER_TIMER_MINIMUM, nullptr);
  }
}

void Form1::ShowMoreOfLog() {
  const HWND log = Control("Text1");
  // Added at the end, while the user may be reading, selecting or typing
  // further up: the selection and the first line shown stay as they were.
  DWORD selection_start = 0;
  DWORD selection_end = 0;
  SendMessageW(log, EM_GETSEL, reinterpret_cast<WPARAM>(&selection_start),
               reinterpret_cast<LPARAM>(&selection_end));
  const LRESULT first_line = SendMessageW(log, EM_GETFIRSTVISIBLELINE, 0, 0);
  SendMessageW(log, WM_SETREDRAW, FALSE, 0);
  const ULONGLONG start = GetTickCount64();
  while (!log_pieces_.done() && GetTickCount64() - start < kLogStepMilliseconds) {
    const int end = GetWindowTextLengthW(log);
    SendMessageW(log, EM_SETSEL, end, end);
    SendMessageW(log, EM_REPLACESEL, FALSE,
                 reinterpret_cast<LPARAM>(log_pieces_.Next(kLogLinesPerStep).c_str()));
  }
  SendMessageW(log, EM_SETSEL, selection_start, selection_end);
  SendMessageW(log, EM_LINESCROLL, 0, first_line - SendMessageW(log, EM_GETFIRSTVISIBLELINE, 0, 0));
  SendMessageW(log, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(log, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
  if (log_pieces_.done()) KillTimer(window_, kLogTimer);
}

void Form1::OpenReadMePage() {
  const std::string host = QUILLFOLD_PUBLISHER_HOST;
  const std::wstring target = ReadMeTarget(host, ProgramFolder());
  const std::string address = FromWide(target);
  // A browser handed a missing file shows its own error page, or nothing.
  if (host.empty() && GetFileAttributesW(target.c_str()) == INVALID_FILE_ATTRIBUTES) {
    ReportError(window_, Error(kCannotStartBrowser, "no read-me page at " + address));
    return;
  }
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(window_, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  if (result <= 32) {
    ReportError(window_, Error(kCannotStartBrowser, "no browser opened " + address));
  }
}

void Form1::ShowFolder(const std::string& folder, const std::vector<FolderLine>& lines) {
  HWND dir1 = Control("Dir1");
  open_folder_ = folder;
  folder_lines_ = lines;
  SendMessageW(dir1, WM_SETREDRAW, FALSE, 0);
  SendMessageW(dir1, LB_RESETCONTENT, 0, 0);
  open_line_ = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    // The text is for screen readers and type-ahead; the line is drawn here.
    SendMessageW(dir1, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ShownName(lines[i].name).c_str()));
    if (lines[i].open) open_line_ = static_cast<int>(i);
  }
  SendMessageW(dir1, LB_SETCURSEL, open_line_, 0);
  SendMessageW(dir1, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(dir1, nullptr, TRUE);
}

void Form1::OpenHighlightedFolder() {
  HWND dir1 = Control("Dir1");
  const LRESULT line = SendMessageW(dir1, LB_GETCURSEL, 0, 0);
  if (line < 0 || static_cast<std::size_t>(line) >= folder_lines_.size()) return;
  const std::string path = folder_lines_[static_cast<std::size_t>(line)].path;
  std::vector<FolderLine> lines;
  try {
    lines = WindowsFolderLines(path);
  } catch (const Error& error) {
    SendMessageW(dir1, LB_SETCURSEL, open_line_, 0);
    ReportError(window_, error);
    return;
  }
  ShowFolder(path, lines);
}

}  // namespace quillfold
