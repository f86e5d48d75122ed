// The debugger's output channel: text a debugger attached to the process can show. Has no
// effect where the host has no such channel.
#pragma once

namespace ovplatform {

// text must be a 0-terminated text; null is ignored.
void DebugOutput(const char* text);

}  // namespace ovplatform
