// The host stand-in of the platform: what the tests set, answered the way
// Windows answers it.
#include <cstring>
#include <utility>

#include "standin_control.h"

namespace {

struct Platform {
  LPSTR commandLine = nullptr;
  UINT codePage = 1252;
  standin::SystemDirectoryQuery systemDirectoryQuery =
      standin::DocumentedSystemDirectory("C:\\WINDOWS\\system32");
  std::vector<UINT> systemDirectorySizes;
  HKL imeInstallResult = reinterpret_cast<HKL>(0xE0020804u);
  std::vector<standin::ImeInstall> imeInstalls;
};

Platform& ThePlatform() {
  static Platform platform;
  return platform;
}

HINSTANCE__* const ownModule = reinterpret_cast<HINSTANCE__*>(0x400000u);

}  // namespace

namespace standin {

void Reset() {
  ThePlatform() = Platform();
}

void SetCommandLine(LPSTR commandLine) {
  ThePlatform().commandLine = commandLine;
}

void SetCodePage(UINT codePage) {
  ThePlatform().codePage = codePage;
}

void SetSystemDirectoryQuery(SystemDirectoryQuery query) {
  ThePlatform().systemDirectoryQuery = std::move(query);
}

SystemDirectoryQuery DocumentedSystemDirectory(std::string directory) {
  return [directory](LPSTR buffer, UINT size) -> UINT {
    UINT needed = directory.size() + 1;
    if (size < needed) {
      return needed;
    }
    std::memcpy(buffer, directory.c_str(), needed);
    return directory.size();
  };
}

SystemDirectoryQuery FailingSystemDirectory() {
  return [](LPSTR, UINT) -> UINT { return 0; };
}

const std::vector<UINT>& SystemDirectorySizes() {
  return ThePlatform().systemDirectorySizes;
}

void SetImeInstallResult(HKL result) {
  ThePlatform().imeInstallResult = result;
}

const std::vector<ImeInstall>& ImeInstalls() {
  return ThePlatform().imeInstalls;
}

HMODULE OwnModule() {
  return ownModule;
}

}  // namespace standin

LPSTR WINAPI GetCommandLineA() {
  return ThePlatform().commandLine;
}

BOOL WINAPI IsDBCSLeadByte(BYTE TestChar) {
  switch (ThePlatform().codePage) {
    case 936:
      return TestChar >= 0x81 && TestChar <= 0xFE;
    case 932:
      return (TestChar >= 0x81 && TestChar <= 0x9F) || (TestChar >= 0xE0 && TestChar <= 0xFC);
    default:
      return false;
  }
}

HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName) {
  return lpModuleName == nullptr ? ownModule : nullptr;
}

UINT WINAPI GetSystemDirectoryA(LPSTR lpBuffer, UINT uSize) {
  ThePlatform().systemDirectorySizes.push_back(uSize);
  return ThePlatform().systemDirectoryQuery(lpBuffer, uSize);
}

void WINAPI ExitProcess(UINT uExitCode) {
  throw standin::ProcessExit{uExitCode};
}

HKL WINAPI ImmInstallIMEA(LPCSTR lpszIMEFileName, LPCSTR lpszLayoutText) {
  ThePlatform().imeInstalls.push_back({lpszIMEFileName, lpszLayoutText});
  return ThePlatform().imeInstallResult;
}
