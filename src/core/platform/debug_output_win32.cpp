// Win32 debugger channel: OutputDebugStringA.
#include "core/platform/debug_output.h"

#include <windows.h>

namespace ovplatform {

void DebugOutput(const char* text) {
  if (text) OutputDebugStringA(text);
}

}  // namespace ovplatform
