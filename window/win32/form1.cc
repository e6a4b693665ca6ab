#include "window/win32/form1.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/windows/session_end.h"
#include "platform/windows/wide_text.h"
#include "runtime/absolute_folder.h"
#include "runtime/disk.h"
#include "window/shared/focus_order.h"
#include "window/shared/form_layout.h"
#include "window/shared/read_me.h"
#include "window/shared/twips.h"
#include "window/win32/control_kinds.h"
#include "window/win32/folder_list.h"
#include "window/win32/log_box.h"
#include "window/win32/run_wait.h"
#include "window/win32/window_text.h"
#include "window/win32/windows_folder_lines.h"

namespace quillfold {
namespace {

constexpr wchar_t kWindowClass[] = L"QuillfoldForm1";
constexpr int kIconResource = 1;
constexpr UINT_PTR kLogTimer = 1;
// The labels that name a control, each with the control it names.
constexpr std::pair<std::string_view, std::string_view> kLabels[] = {{"Label1", "Dir1"},
                                                                     {"Label5", "Text3"}};
// What Windows shows of a run that holds up the end of the session.
constexpr wchar_t kRunBlocksShutdown[] = L"Quillfold is writing link pages";

// The folder quillfold.exe is in.
std::string ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), path.size());
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return FromWide(path.substr(0, path.find_last_of(L'\\')));
}

bool FileExists(const std::string& path) {
  return GetFileAttributesW(ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A function of user32 that older Windows lacks; null there.
template <typename Function>
Function UserFunction(const char* name) {
  // Through void*: a FARPROC is no pointer to this function type.
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

// GetDpiForWindow and AdjustWindowRectExForDpi came with Windows 10 1607;
// looked up when the window is made, so that the window still starts on
// the versions before it, at the screen's DPI.
int WindowDotsPerInch(HWND window) {
  static const auto dpi_for_window = UserFunction<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
  if (dpi_for_window != nullptr) return static_cast<int>(dpi_for_window(window));
  const HDC screen = GetDC(nullptr);
  const int dots_per_inch = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dots_per_inch;
}

void AdjustFrame(RECT& frame, DWORD style, DWORD extended_style, int dots_per_inch) {
  static const auto adjust_for_dpi =
      UserFunction<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
  if (adjust_for_dpi != nullptr) {
    adjust_for_dpi(&frame, style, FALSE, extended_style, static_cast<UINT>(dots_per_inch));
  } else {
    AdjustWindowRectEx(&frame, style, FALSE, extended_style);
  }
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

// A label or check box lies beneath the boxes it overlaps: the part they
// cover is cut out of it, so it never paints over their borders. Stacking
// it beneath them would do the same, but Tab visits the controls in their
// stacking order.
void CutOutOverlappedBoxes(HWND control, std::string_view name, const PixelRect& place,
                           int dots_per_inch) {
  const std::vector<std::string_view> boxes = BoxesOverlapping(name);
  if (boxes.empty()) return;
  HRGN region = CreateRectRgn(0, 0, place.width, place.height);
  for (std::string_view box : boxes) {
    const PixelRect covered = TwipsToPixels(FormControl(box).place, dots_per_inch);
    const int left = covered.left - place.left;
    const int top = covered.top - place.top;
    HRGN cut = CreateRectRgn(left, top, left + covered.width, top + covered.height);
    CombineRgn(region, region, cut, RGN_DIFF);
    DeleteObject(cut);
  }
  // The window owns the region from here on.
  SetWindowRgn(control, region, FALSE);
}

}  // namespace

void ReportError(HWND owner, const Error& error) {
  MessageBoxW(owner, ErrorBoxText(error).c_str(), L"Quillfold", MB_OK | MB_ICONERROR);
}

Form1::Form1(HINSTANCE instance)
    : instance_(instance), controller_(*this, SystemDisk(), WindowsFolders()) {
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

  const std::wstring caption = ToWide(FormCaption(QUILLFOLD_PUBLISHER_HOST));
  // The window's size and place are set once its screen's DPI is known.
  window_ = CreateWindowExW(WS_EX_CONTROLPARENT, kWindowClass, caption.c_str(),
                            WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT, 0,
                            0, nullptr, nullptr, instance, this);
  dots_per_inch_ = WindowDotsPerInch(window_);
  CreateControls();
  PlaceControls();
  controller_.OpenStartFolder();
}

Form1::~Form1() {
  if (font_ != nullptr) DeleteObject(font_);
}

void Form1::ShowCentered(int show_command) {
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE));
  const DWORD extended_style = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE));
  RECT frame{0, 0, TwipsToPixels(kFormWidthTwips, dots_per_inch_),
             TwipsToPixels(kFormHeightTwips, dots_per_inch_)};
  AdjustFrame(frame, style, extended_style, dots_per_inch_);
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
  SetFocus(Control(FocusOrder().front()));
}

bool Form1::PreTranslate(const MSG& message) {
  // The log box is a multi-line box: Tab leaves it for the next control
  // rather than staying inside, as in every other control.
  if (message.message == WM_KEYDOWN && message.wParam == VK_TAB &&
      message.hwnd == log_box_->handle()) {
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
      OnCommand(LOWORD(w), HIWORD(w), reinterpret_cast<HWND>(l));
      return 0;
    case WM_MEASUREITEM:
      // Asked while the folder list is being made.
      reinterpret_cast<MEASUREITEMSTRUCT*>(l)->itemHeight =
          static_cast<UINT>(FolderLineHeight(dots_per_inch_));
      return TRUE;
    case WM_DRAWITEM:
      if (folder_list_) folder_list_->DrawLine(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
      return TRUE;
    case WM_ACTIVATE:
      // As a dialog box does: the control that had the focus when another
      // window took over (the error box, another program) gets it back.
      // Left to the system, the frame would take it, where Space and Enter
      // press nothing.
      if (LOWORD(w) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window_, focus)) focus_before_leaving_ = focus;
      } else if (HIWORD(w) == 0 && focus_before_leaving_ != nullptr &&
                 IsWindowVisible(focus_before_leaving_)) {
        SetFocus(focus_before_leaving_);
        return 0;
      }
      return DefWindowProcW(window_, message, w, l);
    case WM_TIMER:
      if (w == kLogTimer && log_box_) log_box_->ShowMore();
      return 0;
    case WM_DPICHANGED: {
      dots_per_inch_ = HIWORD(w);
      PlaceControls();
      const RECT& suggested = *reinterpret_cast<const RECT*>(l);
      SetWindowPos(window_, nullptr, suggested.left, suggested.top,
                   suggested.right - suggested.left, suggested.bottom - suggested.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_SETCURSOR:
      if (!running_) return DefWindowProcW(window_, message, w, l);
      SetCursor(LoadCursorW(nullptr, IDC_WAIT));
      return TRUE;
    case WM_QUERYENDSESSION:
      // Logoff, shutdown and restarts wait for a run too; Windows shows the
      // reason registered for it (RunGeneration) and lets the user decide.
      return writing_ ? FALSE : DefWindowProcW(window_, message, w, l);
    case WM_ENDSESSION:
      // The session ends anyway (forced, or the user chose to): Windows ends
      // the program once this returns, so the record under way is finished
      // first. Ended, the record a run was writing is whole.
      if (w && writing_) EndWithTheSession();
      return 0;
    case WM_CLOSE:
      // A run is not cut short: closing waits for its end.
      return running_ ? 0 : DefWindowProcW(window_, message, w, l);
    case WM_SYSCOMMAND:
      if (running_ && (w & 0xFFF0) == SC_CLOSE) return 0;
      return DefWindowProcW(window_, message, w, l);
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window_, message, w, l);
  }
}

void Form1::CreateControls() {
  // Tab visits the controls in the order they were made: the focus order,
  // each label that names a control just before it, then the other labels,
  // which never take the focus. Active Accessibility names a list or text box
  // after the static control it finds first going back through that order
  // ("Providing the Name Property", learn.microsoft.com).
  std::vector<std::string_view> order;
  for (std::string_view name : FocusOrder()) {
    for (const auto& [label, named] : kLabels) {
      if (named == name) order.push_back(label);
    }
    order.push_back(name);
  }
  for (const ControlLayout& control : FormControls()) {
    if (std::ranges::find(order, control.name) == order.end()) order.push_back(control.name);
  }
  for (std::string_view name : order) {
    controls_[name] = CreateControl(FormControl(name), window_, instance_);
  }
  for (HWND box : {Control("Check1"), Control("Check2")}) {
    SetWindowSubclass(box, SwitchProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
  }
  folder_list_ = std::make_unique<FolderList>(Control("Dir1"));
  log_box_ = std::make_unique<LogBox>(Control("Text1"), window_, kLogTimer);
}

void Form1::PlaceControls() {
  HFONT font =
      CreateFontW(FontHeight(kFormFontPoints, dots_per_inch_), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                  FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                  CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS, ToWide(kFormFontFamily).c_str());
  for (const ControlLayout& control : FormControls()) {
    const PixelRect place = TwipsToPixels(control.place, dots_per_inch_);
    HWND handle = Control(control.name);
    MoveWindow(handle, place.left, place.top, place.width, place.height, FALSE);
    CutOutOverlappedBoxes(handle, control.name, place, dots_per_inch_);
    SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  folder_list_->SetDotsPerInch(dots_per_inch_);
  if (font_ != nullptr) DeleteObject(font_);
  font_ = font;
  InvalidateRect(window_, nullptr, TRUE);
}

HWND Form1::Control(std::string_view name) const {
  const auto found = controls_.find(name);
  return found == controls_.end() ? nullptr : found->second;
}

void Form1::OnCommand(int id, int notification, HWND control) {
  if (id == IDOK) {
    // Enter: a focused button is pressed and the folder list opens its
    // highlighted folder; in a text box or on a check box it does nothing.
    const HWND focus = GetFocus();
    if (focus == Control("Command1")) {
      controller_.Run();
    } else if (focus == Control("Command3")) {
      OpenReadMePage();
    } else if (focus == folder_list_->handle()) {
      OpenHighlightedFolder();
    }
  } else if (control == Control("Command1") && notification == BN_CLICKED) {
    controller_.Run();
  } else if (control == Control("Command3") && notification == BN_CLICKED) {
    OpenReadMePage();
  } else if ((control == Control("Check1") || control == Control("Check2")) &&
             notification == BN_CLICKED) {
    // A click, the space bar, and a screen reader's default action, which
    // posts BM_CLICK ("Check Box", MSAA UI Element Reference).
    FollowSwitch(control);
  } else if (folder_list_ && control == folder_list_->handle() && notification == LBN_DBLCLK) {
    OpenHighlightedFolder();
  }
}

LRESULT CALLBACK Form1::SwitchProcedure(HWND box, UINT message, WPARAM w, LPARAM l, UINT_PTR id,
                                        DWORD_PTR form) {
  const LRESULT result = DefSubclassProc(box, message, w, l);
  // BM_SETCHECK changes the state without BN_CLICKED: sent by the program
  // or by another one, the options follow it all the same.
  if (message == BM_SETCHECK) reinterpret_cast<Form1*>(form)->FollowSwitch(box);
  // A subclass is removed before its window goes.
  if (message == WM_NCDESTROY) RemoveWindowSubclass(box, SwitchProcedure, id);
  return result;
}

void Form1::FollowSwitch(HWND box) {
  if (box == Control("Check1")) {
    controller_.FilterSwitchChanged();
  } else {
    controller_.PagingSwitchChanged();
  }
}

void Form1::SetVisible(std::string_view control, bool visible) {
  ShowWindow(Control(control), visible ? SW_SHOW : SW_HIDE);
}

void Form1::SetCaption(std::string_view control, std::string_view caption) {
  SetWindowTextW(Control(control), ToWide(caption).c_str());
}

CheckState Form1::CheckStateOf(std::string_view check_box) const {
  switch (Button_GetCheck(Control(check_box))) {
    case BST_CHECKED:
      return CheckState::kTicked;
    case BST_INDETERMINATE:
      return CheckState::kGrey;
    default:
      return CheckState::kClear;
  }
}

std::string Form1::TextOf(std::string_view text_box) const {
  const HWND box = Control(text_box);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(box)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(box, text.data(), text.size())));
  return FromWide(text);
}

void Form1::ShowFolderLines(const std::vector<FolderLine>& lines, std::size_t open_line) {
  folder_list_->Show(lines, open_line);
}

void Form1::HighlightFolderLine(std::size_t line) { folder_list_->Highlight(line); }

void Form1::ShowLog(std::string log) { log_box_->Show(std::move(log)); }

void Form1::ShowError(const Error& error) { ReportError(window_, error); }

void Form1::PostWorkEnded() { PostMessageW(window_, kRunEndedMessage, 0, 0); }

void Form1::HoldUntilWorkEnded(HeldFor held_for) {
  // The window takes no input, and does not close, while the work lasts,
  // but keeps painting and answering the system, which would otherwise call
  // it "Not Responding". After a run the focus is on the run button; after
  // a listing, where it was.
  const bool run = held_for == HeldFor::kRun;
  const HWND focus = run ? Control("Command1") : GetFocus();
  EnableWindow(window_, FALSE);
  const HCURSOR cursor = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  running_ = true;
  writing_ = run;
  if (run) ShutdownBlockReasonCreate(window_, kRunBlocksShutdown);
  WaitForRunEnd(window_);
  running_ = false;
  writing_ = false;
  if (run) ShutdownBlockReasonDestroy(window_);
  DiscardQueuedInput();
  SetCursor(cursor);
  EnableWindow(window_, TRUE);
  if (focus != nullptr) SetFocus(focus);
}

void Form1::OpenReadMePage() {
  const std::string local_pages[] = {ProgramFolder() + "\\readme.html"};
  const ReadMeTarget target = ChooseReadMe(QUILLFOLD_PUBLISHER_HOST, local_pages, FileExists);
  const std::optional<Error> failure =
      OpenReadMe(target, target.location, FileExists, [this](const ReadMeTarget& page) {
        const auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(
            window_, L"open", ToWide(page.location).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
        return result > 32;
      });
  if (failure) ReportError(window_, *failure);
}

void Form1::OpenGivenFolder(const std::string& folder) { controller_.OpenGivenFolder(folder); }

void Form1::OpenHighlightedFolder() {
  const int line = folder_list_->highlighted_line();
  if (line >= 0) controller_.OpenFolderLine(static_cast<std::size_t>(line));
}

}  // namespace quillfold
