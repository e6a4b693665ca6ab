// liveness_check.exe SECONDS: asks Quillfold's window every quarter of a
// second, for SECONDS, whether it answers, as Windows does before it calls
// a window "Not Responding": WM_NULL, sent with SMTO_ABORTIFHUNG and a
// second's time. Fails at the first question left unanswered. First asks
// the window to close, by WM_CLOSE and by the system menu's Close, which a
// window in a run refuses.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

// The window's answer to WM_QUERYENDSESSION for a logoff: TRUE, it may end.
bool AgreesToEndSession(HWND window) {
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000,
                      &answer);
  return answer != FALSE;
}

int CheckSessionEnd(HWND window, bool run_under_way) {
  if (AgreesToEndSession(window) != !run_under_way) {
    std::fprintf(stderr, "liveness_check: the window %s to end the session\n",
                 run_under_way ? "agreed during a run" : "refused between runs");
    return 1;
  }
  if (!run_under_way) return 0;
  // Answered once the window has finished its record; the program ends
  // meanwhile, so no answer is waited for.
  SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 10000,
                      nullptr);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: liveness_check SECONDS|--session-may-end|--end-session\n");
    return 2;
  }
  const HWND window = FindWindowW(L"QuillfoldForm1", nullptr);
  if (window == nullptr) {
    std::fprintf(stderr, "liveness_check: no Quillfold window\n");
    return 1;
  }
  const std::string_view mode = argv[1];
  if (mode == "--session-may-end" || mode == "--end-session") {
    return CheckSessionEnd(window, mode == "--end-session");
  }
  const ULONGLONG span = static_cast<ULONGLONG>(std::atof(argv[1]) * 1000);
  PostMessageW(window, WM_CLOSE, 0, 0);
  PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  const ULONGLONG start = GetTickCount64();
  ULONGLONG slowest = 0;
  int answers = 0;
  for (ULONGLONG now = start; now - start < span; now = GetTickCount64()) {
    DWORD_PTR result = 0;
    if (SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result) == 0) {
      std::fprintf(stderr, "liveness_check: no answer within a second, %.1f s in (error %lu)\n",
                   (now - start) / 1000.0, GetLastError());
      return 1;
    }
    slowest = std::max(slowest, GetTickCount64() - now);
    ++answers;
    Sleep(250);
  }
  std::printf("liveness_check: %d answers in %.1f s, the slowest after %llu ms\n", answers,
              span / 1000.0, slowest);
  return 0;
}
