// Win32 debugger channel: OutputDebugStringA.
#include <windows.h>

#include "core/platform/debug_output.h"

namespace ovplatform {

void DebugOutput(const char* text) {
  if (text) OutputDebugStringA(text);
}

}  // namespace ovplatform
