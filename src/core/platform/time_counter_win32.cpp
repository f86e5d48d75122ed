// Win32 high-resolution counter: QueryPerformanceCounter and QueryPerformanceFrequency.
#include <windows.h>

#include "core/platform/time_counter.h"

namespace ovplatform {

uint64_t ReadCounter() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<uint64_t>(now.QuadPart);
}

uint64_t CounterFrequency() {
  LARGE_INTEGER frequency;
  if (!QueryPerformanceFrequency(&frequency) || frequency.QuadPart <= 0) return 1;
  return static_cast<uint64_t>(frequency.QuadPart);
}

}  // namespace ovplatform
