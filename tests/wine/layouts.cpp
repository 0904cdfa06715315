// Test-only: lists the keyboard layouts that name an IME file, as UTF-8
// lines "key<TAB>Ime File<TAB>Layout Text", after a first line
// "system<TAB>" and the system directory.
#include <windows.h>

#include <string>

namespace {

std::string Utf8(const wchar_t* text) {
  int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string result(size > 0 ? size - 1 : 0, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), size, nullptr, nullptr);
  return result;
}

// The value as text, or empty when it is missing or not a string.
std::wstring StringValue(HKEY key, const wchar_t* name) {
  wchar_t value[1024] = {};
  DWORD type = 0;
  DWORD size = sizeof value - sizeof value[0];
  if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) !=
          ERROR_SUCCESS ||
      type != REG_SZ) {
    return std::wstring();
  }
  return value;
}

void Print(const std::string& line) {
  DWORD written = 0;
  std::string text = line + "\n";
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), text.size(), &written, nullptr);
}

}  // namespace

int main() {
  wchar_t systemDirectory[MAX_PATH] = {};
  GetSystemDirectoryW(systemDirectory, MAX_PATH);
  Print("system\t" + Utf8(systemDirectory));

  HKEY layouts = nullptr;
  LONG opened =
      RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"System\\CurrentControlSet\\Control\\Keyboard Layouts", 0,
                    KEY_READ, &layouts);
  if (opened == ERROR_FILE_NOT_FOUND) {
    // A new prefix has no layouts until the first one is installed.
    return 0;
  }
  if (opened != ERROR_SUCCESS) {
    return 1;
  }
  wchar_t name[256];
  for (DWORD index = 0;; ++index) {
    DWORD length = sizeof name / sizeof name[0];
    if (RegEnumKeyExW(layouts, index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS) {
      break;
    }
    HKEY layout = nullptr;
    if (RegOpenKeyExW(layouts, name, 0, KEY_READ, &layout) != ERROR_SUCCESS) {
      continue;
    }
    std::wstring imeFile = StringValue(layout, L"Ime File");
    if (!imeFile.empty()) {
      Print(Utf8(name) + "\t" + Utf8(imeFile.c_str()) + "\t" +
            Utf8(StringValue(layout, L"Layout Text").c_str()));
    }
    RegCloseKey(layout);
  }
  RegCloseKey(layouts);
  return 0;
}
