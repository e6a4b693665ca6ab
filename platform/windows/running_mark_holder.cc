// A stand-in for a running Quillfold in the installer's check
// (packaging/windows/check-installer.sh): it makes itself known as the
// programs do, says "marked" on its standard output and holds the mark until
// its standard input ends.
#include <cstdio>

#include "platform/windows/running_mark.h"

int main() {
  quillfold::MarkRunning();
  std::puts("marked");
  std::fflush(stdout);
  while (std::getchar() != EOF) {
  }
  return 0;
}
