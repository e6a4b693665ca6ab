// options_check.exe: works Quillfold's check boxes from outside the
// program, as another program or a screen reader does: BM_SETCHECK, which
// sends no BN_CLICKED, and BM_CLICK, which Active Accessibility's default
// action posts. After each, the option's controls show or hide and Check1's
// caption follows. Also checks that the labels naming the folder list and
// the number box come just before them, where Active Accessibility looks.
// Leaves both boxes clear, as the window opens.
#include <windows.h>

#include <cstdio>
#include <string>
#include <string_view>

#include "window/shared/form_layout.h"

namespace quillfold {
namespace {

int failures = 0;

void Expect(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "options_check: %s\n", what);
  ++failures;
}

std::wstring Wide(std::string_view text) { return std::wstring(text.begin(), text.end()); }

HWND Child(HWND window, const wchar_t* class_name, std::string_view text) {
  return FindWindowExW(window, nullptr, class_name, Wide(text).c_str());
}

bool HasClass(HWND control, const wchar_t* class_name) {
  wchar_t name[32] = L"";
  GetClassNameW(control, name, 32);
  return lstrcmpiW(name, class_name) == 0;
}

std::wstring TextOf(HWND control) {
  wchar_t text[256] = L"";
  GetWindowTextW(control, text, 256);
  return text;
}

}  // namespace

int CheckOptions() {
  const HWND window = FindWindowW(L"QuillfoldForm1", nullptr);
  const HWND check1 = Child(window, L"Button", FormControl("Check1").text);
  const HWND check2 = Child(window, L"Button", FormControl("Check2").text);
  const HWND label1 = Child(window, L"Static", FormControl("Label1").text);
  const HWND label5 = Child(window, L"Static", FormControl("Label5").text);
  if (window == nullptr || check1 == nullptr || check2 == nullptr || label1 == nullptr ||
      label5 == nullptr) {
    std::fprintf(stderr, "options_check: no Quillfold window with its controls\n");
    return 1;
  }
  Expect(HasClass(GetWindow(label1, GW_HWNDNEXT), L"ListBox"), "Label1 is not just before Dir1");
  const HWND text3 = GetWindow(label5, GW_HWNDNEXT);
  Expect(HasClass(text3, L"Edit"), "Label5 is not just before Text3");
  // Text2 follows Check1 in the focus order.
  const HWND text2 = GetWindow(check1, GW_HWNDNEXT);

  SendMessageW(check2, BM_SETCHECK, BST_CHECKED, 0);
  Expect(IsWindowVisible(label5) && IsWindowVisible(text3), "Check2 set: no links per page");
  SendMessageW(check1, BM_SETCHECK, BST_CHECKED, 0);
  Expect(IsWindowVisible(text2), "Check1 set: no Text2");
  Expect(TextOf(check1) == Wide(kFilterOnCaption), "Check1 set: its caption stayed");
  SendMessageW(check2, BM_SETCHECK, BST_UNCHECKED, 0);
  Expect(!IsWindowVisible(text3), "Check2 cleared: links per page still shown");
  Expect(IsWindowVisible(text2), "Check2 cleared: Text2 hidden");
  SetForegroundWindow(window);
  SendMessageW(check1, BM_CLICK, 0, 0);
  Expect(SendMessageW(check1, BM_GETCHECK, 0, 0) == BST_UNCHECKED, "BM_CLICK left Check1 ticked");
  Expect(!IsWindowVisible(text2), "Check1 clicked clear: Text2 still shown");
  Expect(TextOf(check1) == Wide(kFilterOffCaption), "Check1 clicked clear: its caption stayed");
  return failures == 0 ? 0 : 1;
}

}  // namespace quillfold

int main() { return quillfold::CheckOptions(); }
