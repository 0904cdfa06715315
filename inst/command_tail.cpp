// The command tail as a windowed program's start-up hands it to WinMain.
#include "command_tail.h"

LPSTR CommandTail(LPSTR commandLine) {
  // Bytes are compared as unsigned values: bytes of the ANSI code page above
  // 0x7F are never blanks.
  BYTE* cursor = reinterpret_cast<BYTE*>(commandLine);
  bool inQuotes = false;

  // The program name runs to the first blank outside double quotes.
  for (;;) {
    BYTE c = *cursor;
    if (c == 0) {
      return reinterpret_cast<LPSTR>(cursor);
    }
    if (c <= ' ' && !inQuotes) {
      break;
    }
    if (c == '"') {
      inQuotes = !inQuotes;
    } else if (IsDBCSLeadByte(c)) {
      // The trail byte belongs to the name whatever it is, a blank or a quote
      // included; only the terminating zero still ends the line.
      ++cursor;
      if (*cursor == 0) {
        return reinterpret_cast<LPSTR>(cursor);
      }
    }
    ++cursor;
  }

  while (*cursor != 0 && *cursor <= ' ') {
    ++cursor;
  }
  return reinterpret_cast<LPSTR>(cursor);
}
