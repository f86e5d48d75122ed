// COvFixedRingBuffer: a queue of at most N values kept in place, first in first out. Not
// synchronised: one thread uses it at a time.
#pragma once

template <class T, int N>
class COvFixedRingBuffer {
  static_assert(N > 0, "a ring buffer holds at least one value");

 public:
  // False when full; the value is not stored.
  bool Push(const T& value) {
    if (m_iCount == N) return false;
    m_aValues[(m_iFirst + m_iCount) % N] = value;
    ++m_iCount;
    return true;
  }
  // False when empty; value is left as it was.
  bool Pop(T& value) {
    if (m_iCount == 0) return false;
    value = m_aValues[m_iFirst];
    m_iFirst = (m_iFirst + 1) % N;
    --m_iCount;
    return true;
  }
  int GetCount() const { return m_iCount; }
  bool IsEmpty() const { return m_iCount == 0; }
  bool IsFull() const { return m_iCount == N; }
  static constexpr int GetCapacity() { return N; }

 private:
  T m_aValues[N] = {};
  int m_iFirst = 0;
  int m_iCount = 0;
};
