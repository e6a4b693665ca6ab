#include "window/win32/control_kinds.h"

#include "platform/windows/wide_text.h"

namespace quillfold {
namespace {

constexpr int kFirstControlId = 100;  // Clear of IDOK and IDCANCEL.

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

// Each control's own number, from its place in the drawing.
int ControlId(const ControlLayout& control) {
  const auto controls = FormControls();
  return kFirstControlId + static_cast<int>(&control - controls.data());
}

}  // namespace

HWND CreateControl(const ControlLayout& control, HWND parent, HINSTANCE instance) {
  const ControlClass control_class = ClassOf(control.kind);
  // Clipped by its neighbours: where rectangles overlap, each control paints
  // only what is its own (Form1 cuts a label's overlap with a box out of it).
  const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | control_class.style |
                      (control.visible_at_start ? WS_VISIBLE : 0);
  return CreateWindowExW(control_class.extended_style, control_class.class_name,
                         ToWide(control.text).c_str(), style, 0, 0, 0, 0, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(control))),
                         instance, nullptr);
}

}  // namespace quillfold
