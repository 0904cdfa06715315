// Test-only: starts a program with an exact raw command line and reports its
// exit code. Usage: launcher CASEFILE, where CASEFILE holds the program's
// path, a zero byte and the command line's bytes. Exits with the program's
// exit code, or 255 when the program could not be started.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: launcher CASEFILE\n");
    return 255;
  }
  std::FILE* file = std::fopen(argv[1], "rb");
  if (file == nullptr) {
    std::fprintf(stderr, "launcher: cannot open %s\n", argv[1]);
    return 255;
  }
  // Windows takes command lines of up to 32767 characters; the path comes first.
  std::vector<char> bytes(MAX_PATH + 1 + 32768);
  size_t size = std::fread(bytes.data(), 1, bytes.size() - 1, file);
  std::fclose(file);
  bytes[size] = '\0';

  char* application = bytes.data();
  char* commandLine = application + std::strlen(application) + 1;
  if (commandLine > bytes.data() + size) {
    std::fprintf(stderr, "launcher: %s holds no zero after the path\n", argv[1]);
    return 255;
  }

  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(application, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    std::fprintf(stderr, "launcher: CreateProcessA failed with error %lu\n", GetLastError());
    return 255;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD exitCode = 255;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  std::printf("exit code %lu\n", exitCode);
  return static_cast<int>(exitCode);
}
