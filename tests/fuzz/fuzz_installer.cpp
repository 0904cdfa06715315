// Fuzzes the whole run from process command line to registration. The first
// input byte picks the ANSI code page, the rest up to the first zero is the
// command line, placed in memory that ends at its zero, so that AddressSanitizer
// reports any read past it. A model of the tail rule, written independently,
// says where the tail must start; the installer must register exactly when
// that tail is /Install.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "command_tail.h"
#include "standin_control.h"
#include "startup.h"

namespace {

const UINT codePages[] = {1252, 936, 932};

// Where the tail starts in line[0..length), by the rule: the name runs to a
// blank outside quotes, a lead byte of the stand-in's code page takes the
// next byte, then blanks go.
size_t ModelTailStart(const unsigned char* line, size_t length) {
  size_t i = 0;
  bool quoted = false;
  while (i < length && (quoted || line[i] > ' ')) {
    if (line[i] == '"') {
      quoted = !quoted;
    }
    i += IsDBCSLeadByte(line[i]) ? 2 : 1;
  }
  if (i >= length) {
    return length;
  }
  while (i < length && line[i] <= ' ') {
    ++i;
  }
  return i;
}

void Require(bool condition) {
  if (!condition) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) {
    return 0;
  }
  const UINT codePage = codePages[data[0] % 3];
  const unsigned char* bytes = data + 1;
  const size_t length = strnlen(reinterpret_cast<const char*>(bytes), size - 1);

  std::unique_ptr<CHAR[]> line(new CHAR[length + 1]);
  std::memcpy(line.get(), bytes, length);
  line[length] = '\0';

  standin::Reset();
  standin::SetCodePage(codePage);
  const size_t start = ModelTailStart(bytes, length);
  Require(CommandTail(line.get()) == line.get() + start);

  standin::SetCommandLine(line.get());
  UINT exitCode = ~0u;
  try {
    WinMainCRTStartup();
  } catch (const standin::ProcessExit& exit) {
    exitCode = exit.exitCode;
  }
  Require(exitCode == 0);
  const bool isInstall = std::strcmp(line.get() + start, "/Install") == 0;
  Require(standin::ImeInstalls().size() == (isInstall ? 1u : 0u));
  return 0;
}
