// Process entry. The installer links no C runtime, so this takes the place of
// its start-up: command line to command tail, WinMain, exit code.
#include "startup.h"

#include "command_tail.h"
#include "platform.h"

extern "C" void WinMainCRTStartup() {
  CHAR emptyCommandLine[] = "";
  LPSTR commandLine = GetCommandLineA();
  if (commandLine == nullptr) {
    commandLine = emptyCommandLine;
  }
  ExitProcess(
      WinMain(GetModuleHandleA(nullptr), nullptr, CommandTail(commandLine), SW_SHOWDEFAULT));
}
