#include "engine/object/ovpooledobjectmanager.h"

#include "core/ovid.h"
#include "engine/object/ovmanaged.h"
#include "engine/object/ovobjectpool.h"
#include "engine/object/ovpooledobjectmanagermanager.h"

namespace {

// The registered name of an identifier, "" when the registry does not know it.
const char* NameOf(const COvIdentifier& identifier) {
  const char* name = COvIdentifierManager::GetInstance()->FindNameForCrc64(identifier.GetCrc64());
  return name ? name : "";
}

// Objects named "@..." are the engine's own and stay out of name lists and saves.
bool IsHidden(const COvManaged* object) { return NameOf(object->GetIdentifier())[0] == '@'; }

}  // namespace

COvPooledObjectManager::~COvPooledObjectManager() {
  DestroyAllPools();
  COvPooledObjectManagerManager::GetInstance()->RemoveManager(this);
}

void COvPooledObjectManager::Initialize() {
  GetOrCreatePool(OVID::GetSingleton().global);
  COvPooledObjectManagerManager::GetInstance()->AddManager(this);
  OnInitialize();
}

void COvPooledObjectManager::Release() {
  DestroyAllPools();
  COvPooledObjectManagerManager::GetInstance()->RemoveManager(this);
  OnRelease();
}

void COvPooledObjectManager::AddObject(const COvIdentifier& poolId, COvManaged* object) {
  if (object) GetOrCreatePool(poolId)->Add(object);
}

COvObjectPool* COvPooledObjectManager::FindPool(const COvIdentifier& poolId) const {
  return GetPool(FindPoolIndex(poolId));
}

int COvPooledObjectManager::FindPoolIndex(const COvIdentifier& poolId) const {
  for (int i = 0; i < m_aPools.GetCount(); ++i) {
    if (m_aPools[i]->GetIdentifier() == poolId) return i;
  }
  return -1;
}

COvObjectPool* COvPooledObjectManager::GetPool(int index) const {
  return index >= 0 && index < m_aPools.GetCount() ? m_aPools[index] : nullptr;
}

COvObjectPool* COvPooledObjectManager::GetOrCreatePool(const COvIdentifier& poolId) {
  if (COvObjectPool* pool = FindPool(poolId)) return pool;
  COvObjectPool* pool = new COvObjectPool(poolId);
  m_aPools.Add(pool);
  return pool;
}

COvManaged* COvPooledObjectManager::FindObject(const COvIdentifier& poolId,
                                               const COvIdentifier& objectId) const {
  COvObjectPool* pool = FindPool(poolId);
  return pool ? pool->Find(objectId) : nullptr;
}

int COvPooledObjectManager::GetObjectCount(int poolIndex) const {
  COvObjectPool* pool = GetPool(poolIndex);
  return pool ? pool->GetCount() : 0;
}

COvManaged* COvPooledObjectManager::GetObject(int poolIndex, int index) const {
  COvObjectPool* pool = GetPool(poolIndex);
  return pool ? pool->Get(index) : nullptr;
}

bool COvPooledObjectManager::ObjectAlreadyExists(const COvManaged* object) const {
  return object && FindObject(object->GetPoolIdentifier(), object->GetIdentifier());
}

COvObjectPool* COvPooledObjectManager::FindPoolHolding(const COvManaged* object) const {
  if (!object) return nullptr;
  // The object's own pool first, then every pool.
  COvObjectPool* own = FindPool(object->GetPoolIdentifier());
  if (own && own->Contains(object)) return own;
  for (COvObjectPool* pool : m_aPools) {
    if (pool->Contains(object)) return pool;
  }
  return nullptr;
}

bool COvPooledObjectManager::RemoveObject(const COvManaged* object) {
  COvObjectPool* pool = FindPoolHolding(object);
  return pool && pool->Remove(object);
}

bool COvPooledObjectManager::DestroyObject(COvManaged*& object) {
  COvObjectPool* pool = FindPoolHolding(object);
  if (!pool) return false;
  object->Release();
  pool->Remove(object);
  delete object;
  object = nullptr;
  return true;
}

void COvPooledObjectManager::RenameObject(COvManaged*& object, const COvIdentifier& newId) {
  if (!object) return;
  COvObjectPool* pool = FindPoolHolding(object);
  if (!pool || !pool->Rename(object, newId)) object->SetIdentifier(newId);
}

void COvPooledObjectManager::DestroyPoolAt(int index) {
  COvObjectPool* pool = m_aPools[index];
  pool->DestroyAll();
  m_aPools.RemoveAt(index);
  delete pool;
}

void COvPooledObjectManager::DestroyPool(const COvIdentifier& poolId) {
  int index = FindPoolIndex(poolId);
  if (index >= 0) DestroyPoolAt(index);
}

void COvPooledObjectManager::DestroyAllPools() {
  while (m_aPools.GetCount() > 0) DestroyPoolAt(0);
}

void COvPooledObjectManager::Clear() {
  DestroyAllPools();
  GetOrCreatePool(OVID::GetSingleton().global);
}

void COvPooledObjectManager::Clear(const COvIdentifier& poolId) {
  DestroyPool(poolId);
  if (poolId == OVID::GetSingleton().global) GetOrCreatePool(poolId);
}

void COvPooledObjectManager::GetObjectNameArray(COvArray<TOvString<char>>& out) const {
  COvObjectPool* pool = GetPool(0);
  for (int i = 0; pool && i < pool->GetCount(); ++i) {
    if (!IsHidden(pool->Get(i))) out.Add(NameOf(pool->Get(i)->GetIdentifier()));
  }
}

void COvPooledObjectManager::GetObjectIdentifierArray(COvArray<COvIdentifier>& out) const {
  COvObjectPool* pool = GetPool(0);
  for (int i = 0; pool && i < pool->GetCount(); ++i) {
    if (!IsHidden(pool->Get(i))) out.Add(pool->Get(i)->GetIdentifier());
  }
}

void COvPooledObjectManager::SaveVariables() {
  for (COvObjectPool* pool : m_aPools) {
    for (int i = 0; i < pool->GetCount(); ++i) {
      if (!IsHidden(pool->Get(i))) pool->Get(i)->SaveVariables();
    }
  }
}

void COvPooledObjectManager::ResetVariables() {
  for (COvObjectPool* pool : m_aPools) {
    for (int i = 0; i < pool->GetCount(); ++i) pool->Get(i)->ResetVariables();
  }
}
