#include "engine/object/ovobjectpool.h"

#include "engine/object/ovmanaged.h"

void COvObjectPool::Add(COvManaged* object) {
  if (!object) return;
  m_aObjects.Add(object);
  uint64_t key = object->GetIdentifier().GetCrc64();
  if (!m_table.Find(key)) m_table.Insert(key, object);
}

COvManaged* COvObjectPool::Find(const COvIdentifier& identifier) const {
  return m_table.Find(identifier.GetCrc64());
}

void COvObjectPool::Unhash(const COvManaged* object) {
  uint64_t key = object->GetIdentifier().GetCrc64();
  if (!m_table.Remove(key, object)) return;
  for (COvManaged* other : m_aObjects) {
    if (other != object && other->GetIdentifier().GetCrc64() == key) {
      m_table.Insert(key, other);
      return;
    }
  }
}

bool COvObjectPool::Remove(const COvManaged* object) {
  int index = m_aObjects.Find(const_cast<COvManaged*>(object));
  if (index < 0) return false;
  Unhash(object);
  m_aObjects.RemoveAt(index);
  return true;
}

bool COvObjectPool::Rename(COvManaged* object, const COvIdentifier& identifier) {
  if (!Contains(object)) return false;
  Unhash(object);
  object->SetIdentifier(identifier);
  uint64_t key = identifier.GetCrc64();
  if (!m_table.Find(key)) m_table.Insert(key, object);
  return true;
}

void COvObjectPool::DestroyAll() {
  for (COvManaged* object : m_aObjects) object->Release();
  for (COvManaged* object : m_aObjects) delete object;
  m_aObjects.RemoveAll();
  m_table.Clear();
}

COvManaged* COvObjectPool::Get(int index) const {
  return index >= 0 && index < m_aObjects.GetCount() ? m_aObjects[index] : nullptr;
}
