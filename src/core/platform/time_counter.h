// The host's high-resolution monotonic counter: a tick count and the ticks per second.
#pragma once

#include <cstdint>

namespace ovplatform {

uint64_t ReadCounter();
// Ticks per second; never 0.
uint64_t CounterFrequency();

}  // namespace ovplatform
