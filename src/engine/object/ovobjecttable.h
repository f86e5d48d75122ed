// COvObjectTable: the lookup table of an object pool, open addressing keyed by the 64-bit CRC
// of each object's identifier. Slots are a power of two (8192 at first), probed linearly from
// key & (slots - 1); the table doubles, rehashing every entry, once four times the entry count
// reaches the slot count. Removal moves later entries of the same cluster back into the gap,
// so no tombstones are left. Objects are not owned.
#pragma once

#include <cstdint>

class COvManaged;

class COvObjectTable {
 public:
  static constexpr int kInitialSlots = 8192;

  COvObjectTable() { Allocate(kInitialSlots); }
  ~COvObjectTable() { delete[] m_pSlots; }
  COvObjectTable(const COvObjectTable&) = delete;
  COvObjectTable& operator=(const COvObjectTable&) = delete;

  // The key is stored with the object, so later renames cannot lose the entry.
  void Insert(uint64_t key, COvManaged* object);
  // Null when no entry has the key.
  COvManaged* Find(uint64_t key) const;
  // Removes the entry of object under key; false when there is none.
  bool Remove(uint64_t key, const COvManaged* object);
  // Empties the table and returns to the initial size.
  void Clear();

  int GetCount() const { return m_iCount; }
  int GetSlotCount() const { return m_iSlots; }

 private:
  struct SSlot {
    uint64_t key = 0;
    COvManaged* object = nullptr;
  };

  int Home(uint64_t key) const { return static_cast<int>(key & static_cast<uint64_t>(m_iSlots - 1)); }
  int Next(int slot) const { return (slot + 1) & (m_iSlots - 1); }
  void Allocate(int slots);
  void Place(const SSlot& entry);

  SSlot* m_pSlots = nullptr;
  int m_iSlots = 0;
  int m_iCount = 0;
};
