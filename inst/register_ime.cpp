// Registration of the input method's module with the input method manager.
#include "register_ime.h"

#include "platform.h"

void RegisterIme() {
  static const CHAR moduleSuffix[] = "\\qorxp.IME";
  // The display name 雁汀字 in code page 936, handed over as these bytes
  // whatever the system's code page is.
  static const CHAR layoutText[] = "\xD1\xE3\xCD\xA1\xD7\xD6";
  const UINT longestDirectory = MAX_PATH - sizeof moduleSuffix;

  // A failing query may leave the buffer as it was, so it starts as zeros.
  // A loop, not an initializer: compilers turn that into a call to memset,
  // and there is no C runtime to provide one.
  CHAR modulePath[MAX_PATH];
  for (CHAR& c : modulePath) {
    c = '\0';
  }
  UINT reported = GetSystemDirectoryA(modulePath, MAX_PATH);
  if (reported == 0 || reported >= MAX_PATH) {
    return;
  }

  // Measured rather than taken from the count, and never past the buffer.
  UINT length = 0;
  while (length <= longestDirectory && modulePath[length] != '\0') {
    ++length;
  }
  if (length == 0 || length > longestDirectory) {
    return;
  }

  for (UINT i = 0; i < sizeof moduleSuffix; ++i) {
    modulePath[length + i] = moduleSuffix[i];
  }
  ImmInstallIMEA(modulePath, layoutText);
}
