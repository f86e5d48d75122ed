// COvArray: the library's growable array {data, count, capacity, initial capacity}. Class
// elements are held by value; pointer elements are not owned. Storage grows to
// (4 * capacity + 4) / 3 and never shrinks. operator[] does not check bounds.
#pragma once

#include <cstdint>
#include <type_traits>

#include "core/ovstring.h"

template <typename T>
class COvArray {
 public:
  COvArray() = default;
  explicit COvArray(int initialCapacity) : m_iInitialCapacity(initialCapacity > 0 ? initialCapacity : 16) {}
  COvArray(const COvArray& other) : m_iInitialCapacity(other.m_iInitialCapacity) { *this = other; }
  COvArray(COvArray&& other) noexcept
      : m_pData(other.m_pData),
        m_iCount(other.m_iCount),
        m_iCapacity(other.m_iCapacity),
        m_iInitialCapacity(other.m_iInitialCapacity) {
    other.m_pData = nullptr;
    other.m_iCount = other.m_iCapacity = 0;
  }
  ~COvArray() { delete[] m_pData; }

  // Reuses the target's storage: count drops to 0, then every source element is added.
  COvArray& operator=(const COvArray& other) {
    if (this == &other) return *this;
    m_iCount = 0;
    for (int i = 0; i < other.m_iCount; ++i) Add(other.m_pData[i]);
    return *this;
  }
  COvArray& operator=(COvArray&& other) noexcept {
    if (this != &other) {
      delete[] m_pData;
      m_pData = other.m_pData;
      m_iCount = other.m_iCount;
      m_iCapacity = other.m_iCapacity;
      m_iInitialCapacity = other.m_iInitialCapacity;
      other.m_pData = nullptr;
      other.m_iCount = other.m_iCapacity = 0;
    }
    return *this;
  }

  void Add(const T& value) {
    if (m_iCount == m_iCapacity) {
      // value may live in the storage about to be freed.
      T copy(value);
      Grow();
      m_pData[m_iCount++] = copy;
      return;
    }
    m_pData[m_iCount++] = value;
  }

  T& operator[](int index) { return m_pData[index]; }
  const T& operator[](int index) const { return m_pData[index]; }
  int GetCount() const { return m_iCount; }
  int GetCapacity() const { return m_iCapacity; }
  int GetInitialCapacity() const { return m_iInitialCapacity; }
  T* GetData() { return m_pData; }
  const T* GetData() const { return m_pData; }
  // Forgets the elements but keeps the storage for later additions.
  void SetCount(int count) {
    if (count >= 0 && count <= m_iCount) m_iCount = count;
  }
  void RemoveAll() { m_iCount = 0; }

  int Find(const T& value) const {
    for (int i = 0; i < m_iCount; ++i) {
      if (Equal(m_pData[i], value)) return i;
    }
    return -1;
  }

  void RemoveAt(int index) {
    if (index < 0 || index >= m_iCount) return;
    for (int i = index; i < m_iCount - 1; ++i) m_pData[i] = m_pData[i + 1];
    --m_iCount;
  }

  T* begin() { return m_pData; }
  T* end() { return m_pData + m_iCount; }
  const T* begin() const { return m_pData; }
  const T* end() const { return m_pData + m_iCount; }

 private:
  template <typename U>
  static bool Equal(const U& a, const U& b) {
    return a == b;
  }
  template <typename C>
  static bool Equal(const TOvString<C>& a, const TOvString<C>& b) {
    return ovStrcmp(a.GetBuffer(), b.GetBuffer()) == 0;
  }

  void Grow() {
    int capacity = m_pData ? (4 * m_iCapacity + 4) / 3 : m_iInitialCapacity;
    T* data = new T[capacity];
    for (int i = 0; i < m_iCount; ++i) data[i] = static_cast<T&&>(m_pData[i]);
    delete[] m_pData;
    m_pData = data;
    m_iCapacity = capacity;
  }

  T* m_pData = nullptr;
  int32_t m_iCount = 0;
  int32_t m_iCapacity = 0;
  int32_t m_iInitialCapacity = 16;
};
