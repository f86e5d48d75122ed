// The wait polls without a lock: writers store whole values, the waiter re-reads on each turn.
#include "core/ovwaitevent.h"

#include "core/platform/thread.h"

void COvWaitEvent::Wait() const {
  while (m_iState.load(std::memory_order_acquire) == 0) ovthread::SleepMilliseconds(1);
}
