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

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: liveness_check SECONDS\n");
    return 2;
  }
  const ULONGLONG span = static_cast<ULONGLONG>(std::atof(argv[1]) * 1000);
  const HWND window = FindWindowW(L"QuillfoldForm1", nullptr);
  if (window == nullptr) {
    std::fprintf(stderr, "liveness_check: no Quillfold window\n");
    return 1;
  }
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
