#include "engine/object/ovpooledobjectmanagermanager.h"

#include <cstdio>

#include "core/ovid.h"
#include "engine/object/ovpooledobjectmanager.h"

COvPooledObjectManagerManager* COvPooledObjectManagerManager::GetInstance() {
  static COvPooledObjectManagerManager* instance = new COvPooledObjectManagerManager();
  return instance;
}

COvPooledObjectManagerManager::COvPooledObjectManagerManager()
    : m_topPoolIdentifier(OVID::GetSingleton().global) {}

void COvPooledObjectManagerManager::AddManager(COvPooledObjectManager* manager) {
  if (manager && m_aManagers.Find(manager) < 0) m_aManagers.Add(manager);
}

void COvPooledObjectManagerManager::RemoveManager(COvPooledObjectManager* manager) {
  m_aManagers.RemoveAt(m_aManagers.Find(manager));
}

void COvPooledObjectManagerManager::DestroyManager(COvPooledObjectManager* manager) {
  if (!manager) return;
  manager->Release();
  RemoveManager(manager);
  delete manager;
}

COvPooledObjectManager* COvPooledObjectManagerManager::FindManager(const COvIdentifier& identifier) const {
  for (COvPooledObjectManager* manager : m_aManagers) {
    if (manager->GetIdentifier() == identifier) return manager;
  }
  return nullptr;
}

COvPooledObjectManager* COvPooledObjectManagerManager::FindManagerByObjectType(
    const COvIdentifier& typeIdentifier) const {
  for (COvPooledObjectManager* manager : m_aManagers) {
    if (manager->GetObjectTypeIdentifier() == typeIdentifier) return manager;
  }
  return nullptr;
}

COvPooledObjectManager* COvPooledObjectManagerManager::GetManager(int index) const {
  return index >= 0 && index < m_aManagers.GetCount() ? m_aManagers[index] : nullptr;
}

COvManaged* COvPooledObjectManagerManager::FindObject(const COvIdentifier& poolId,
                                                      const COvIdentifier& objectId) const {
  for (COvPooledObjectManager* manager : m_aManagers) {
    if (COvManaged* object = manager->FindObject(poolId, objectId)) return object;
  }
  return nullptr;
}

COvIdentifier COvPooledObjectManagerManager::GenerateIdentifierSuffix(const COvIdentifier& baseId) const {
  const char* base = COvIdentifierManager::GetInstance()->FindNameForCrc64(baseId.GetCrc64());
  TOvString<char> prefix(base ? base : "");
  for (int number = 1;; ++number) {
    char suffix[16];
    std::snprintf(suffix, sizeof(suffix), "_%03d", number);
    COvIdentifier candidate(prefix + suffix);
    if (!FindObject(m_topPoolIdentifier, candidate)) return candidate;
  }
}

void COvPooledObjectManagerManager::GetAllObjectIdentifierArray(COvArray<COvIdentifier>& out) const {
  for (COvPooledObjectManager* manager : m_aManagers) manager->GetObjectIdentifierArray(out);
}

void COvPooledObjectManagerManager::SaveVariables() {
  for (COvPooledObjectManager* manager : m_aManagers) manager->SaveVariables();
}

void COvPooledObjectManagerManager::ResetVariables() {
  for (COvPooledObjectManager* manager : m_aManagers) manager->ResetVariables();
}
