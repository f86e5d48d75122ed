// POSIX high-resolution counter: CLOCK_MONOTONIC in nanoseconds.
#include <time.h>

#include "core/platform/time_counter.h"

namespace ovplatform {

uint64_t ReadCounter() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<uint64_t>(now.tv_sec) * 1000000000u + static_cast<uint64_t>(now.tv_nsec);
}

uint64_t CounterFrequency() { return 1000000000u; }

}  // namespace ovplatform
