// COvResourceItemTable: an open-addressing hash table of resource item records keyed by their
// 64-bit name CRC. Slots are a power of two (8192 at first), probed linearly from key & (slots
// - 1); the table doubles, rehashing every entry, once four times the entry count reaches the
// slot count. Records are not owned. Several records may share a key; Find gives the first one
// its probe meets.
#pragma once

#include <cstdint>

template <class Item>
class COvResourceItemTable {
 public:
  static constexpr int kInitialSlots = 8192;

  COvResourceItemTable() { Allocate(kInitialSlots); }
  ~COvResourceItemTable() { delete[] m_ppSlots; }
  COvResourceItemTable(const COvResourceItemTable&) = delete;
  COvResourceItemTable& operator=(const COvResourceItemTable&) = delete;

  void Insert(uint64_t key, Item* item) {
    if ((m_iCount + 1) * 4 >= m_iSlots) Grow();
    Place(key, item);
    ++m_iCount;
  }

  // Null when no record has the key.
  Item* Find(uint64_t key) const {
    for (int slot = SlotOf(key);; slot = (slot + 1) & (m_iSlots - 1)) {
      if (!m_ppSlots[slot]) return nullptr;
      if (m_ppSlots[slot]->crc == key) return m_ppSlots[slot];
    }
  }

  // Empties the table and returns to the initial size.
  void Clear() {
    delete[] m_ppSlots;
    Allocate(kInitialSlots);
  }

  int GetCount() const { return m_iCount; }
  int GetSlotCount() const { return m_iSlots; }

 private:
  int SlotOf(uint64_t key) const { return static_cast<int>(key & static_cast<uint64_t>(m_iSlots - 1)); }

  void Allocate(int slots) {
    m_ppSlots = new Item*[slots]();
    m_iSlots = slots;
    m_iCount = 0;
  }

  void Place(uint64_t key, Item* item) {
    int slot = SlotOf(key);
    while (m_ppSlots[slot]) slot = (slot + 1) & (m_iSlots - 1);
    m_ppSlots[slot] = item;
  }

  void Grow() {
    Item** old = m_ppSlots;
    int oldSlots = m_iSlots;
    int count = m_iCount;
    Allocate(oldSlots * 2);
    for (int slot = 0; slot < oldSlots; ++slot) {
      if (old[slot]) Place(old[slot]->crc, old[slot]);
    }
    m_iCount = count;
    delete[] old;
  }

  Item** m_ppSlots = nullptr;
  int m_iSlots = 0;
  int m_iCount = 0;
};
