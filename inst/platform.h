// The platform the installer calls: the Windows headers in the real build,
// the host stand-in in the native test build.
#pragma once

#ifdef _WIN32
#include <windows.h>
// After windows.h, whose types it uses.
#include <imm.h>
#else
#include "windows_standin.h"
#endif
