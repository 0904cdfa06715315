// The part of the Windows API that the installer uses, declared for a native
// build. host/windows_standin.cpp implements it for tests, which steer it
// through standin_control.h.
#pragma once

// Windows' calling convention has no meaning on the host.
#define WINAPI

using BYTE = unsigned char;
using CHAR = char;
using UINT = unsigned int;
using BOOL = int;
using LPSTR = CHAR*;
using LPCSTR = const CHAR*;

struct HINSTANCE__;
using HINSTANCE = HINSTANCE__*;
using HMODULE = HINSTANCE;
struct HKL__;
using HKL = HKL__*;

constexpr UINT MAX_PATH = 260;
constexpr int SW_SHOWDEFAULT = 10;

LPSTR WINAPI GetCommandLineA();
BOOL WINAPI IsDBCSLeadByte(BYTE TestChar);
HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName);
UINT WINAPI GetSystemDirectoryA(LPSTR lpBuffer, UINT uSize);
[[noreturn]] void WINAPI ExitProcess(UINT uExitCode);
HKL WINAPI ImmInstallIMEA(LPCSTR lpszIMEFileName, LPCSTR lpszLayoutText);

extern "C" int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine,
                              int nShowCmd);
