// Setup step of the qorxp input method: started with the command tail
// /Install, it registers qorxp.IME with the input method manager. Any other
// tail does nothing. The exit code is always 0.
#include "platform.h"
#include "register_ime.h"

static bool IsInstallCommand(LPCSTR tail) {
  static const CHAR installCommand[] = "/Install";
  // All nine bytes count, the zero included. A shorter tail differs at its
  // own zero, so nothing past it is read.
  for (UINT i = 0; i < sizeof installCommand; ++i) {
    if (tail[i] != installCommand[i]) {
      return false;
    }
  }
  return true;
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR lpCmdLine, int) {
  if (IsInstallCommand(lpCmdLine)) {
    RegisterIme();
  }
  return 0;
}
