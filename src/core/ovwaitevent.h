// COvWaitEvent: a flag one thread sets and another polls. Set on construction. Wait returns at
// once when the flag is set and otherwise sleeps a millisecond at a time until it is.
#pragma once

#include <atomic>
#include <cstdint>

class COvWaitEvent {
 public:
  void Set() { m_iState.store(1, std::memory_order_release); }
  void Clear() { m_iState.store(0, std::memory_order_release); }
  bool Test() const { return m_iState.load(std::memory_order_acquire) == 1; }
  void Wait() const;

 private:
  std::atomic<int32_t> m_iState{1};
};
