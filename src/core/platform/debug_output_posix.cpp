// POSIX debugger channel: there is none, so the text is dropped.
#include "core/platform/debug_output.h"

namespace ovplatform {

void DebugOutput(const char*) {}

}  // namespace ovplatform
