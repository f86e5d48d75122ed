// Terminal test on Windows. _isatty alone also answers true for character devices such as
// NUL, so the handle must be a console as well. Only Win32 code.
#include "core/platform/terminal.h"

#define WIN32_LEAN_AND_MEAN
#include <io.h>
#include <stdio.h>
#include <windows.h>

namespace ovplatform {

bool IsStandardOutputTerminal() {
  if (!_isatty(_fileno(stdout))) return false;
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) != FALSE;
}

}  // namespace ovplatform
