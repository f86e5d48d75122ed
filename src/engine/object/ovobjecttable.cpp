#include "engine/object/ovobjecttable.h"

void COvObjectTable::Allocate(int slots) {
  m_pSlots = new SSlot[slots]();
  m_iSlots = slots;
  m_iCount = 0;
}

void COvObjectTable::Place(const SSlot& entry) {
  int slot = Home(entry.key);
  while (m_pSlots[slot].object) slot = Next(slot);
  m_pSlots[slot] = entry;
  ++m_iCount;
}

void COvObjectTable::Insert(uint64_t key, COvManaged* object) {
  if (!object) return;
  if ((m_iCount + 1) * 4 >= m_iSlots) {
    SSlot* old = m_pSlots;
    int oldSlots = m_iSlots;
    Allocate(oldSlots * 2);
    for (int slot = 0; slot < oldSlots; ++slot) {
      if (old[slot].object) Place(old[slot]);
    }
    delete[] old;
  }
  Place({key, object});
}

COvManaged* COvObjectTable::Find(uint64_t key) const {
  for (int slot = Home(key); m_pSlots[slot].object; slot = Next(slot)) {
    if (m_pSlots[slot].key == key) return m_pSlots[slot].object;
  }
  return nullptr;
}

bool COvObjectTable::Remove(uint64_t key, const COvManaged* object) {
  int gap = Home(key);
  while (m_pSlots[gap].object && !(m_pSlots[gap].key == key && m_pSlots[gap].object == object))
    gap = Next(gap);
  if (!m_pSlots[gap].object) return false;
  // An entry after the gap moves back into it unless its home lies cyclically after the gap
  // and no later than the entry itself, where a probe would still reach it.
  for (int slot = Next(gap); m_pSlots[slot].object; slot = Next(slot)) {
    int home = Home(m_pSlots[slot].key);
    bool reachable = gap < slot ? (home > gap && home <= slot) : (home > gap || home <= slot);
    if (!reachable) {
      m_pSlots[gap] = m_pSlots[slot];
      gap = slot;
    }
  }
  m_pSlots[gap] = SSlot();
  --m_iCount;
  return true;
}

void COvObjectTable::Clear() {
  delete[] m_pSlots;
  Allocate(kInitialSlots);
}
