// How tests set up the host stand-in of the platform and read what the
// installer asked of it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "windows_standin.h"

namespace standin {

// Thrown by ExitProcess, so that a test can run the process entry to its end.
struct ProcessExit {
  UINT exitCode;
};

// The arguments of one ImmInstallIMEA call, as the bytes before their zeros.
struct ImeInstall {
  std::string imeFileName;
  std::string layoutText;
};

// Answers GetSystemDirectoryA(buffer, size).
using SystemDirectoryQuery = std::function<UINT(LPSTR buffer, UINT size)>;

// Back to the defaults: no command line, code page 1252, the system
// directory C:\WINDOWS\system32, no calls recorded, installs succeed.
void Reset();

// What GetCommandLineA returns; null is allowed. The bytes are not copied.
void SetCommandLine(LPSTR commandLine);

// The ANSI code page whose lead bytes IsDBCSLeadByte reports: 1252, 936 or 932.
void SetCodePage(UINT codePage);

void SetSystemDirectoryQuery(SystemDirectoryQuery query);

// The query as Windows documents it: copies directory and its zero and
// returns its length when it fits; else returns the size needed and writes
// nothing.
SystemDirectoryQuery DocumentedSystemDirectory(std::string directory);

// A query that fails: writes nothing and returns 0.
SystemDirectoryQuery FailingSystemDirectory();

// The sizes offered to GetSystemDirectoryA, one per call.
const std::vector<UINT>& SystemDirectorySizes();

// What ImmInstallIMEA returns; null means the install failed.
void SetImeInstallResult(HKL result);

const std::vector<ImeInstall>& ImeInstalls();

// What GetModuleHandleA(nullptr) returns.
HMODULE OwnModule();

}  // namespace standin
