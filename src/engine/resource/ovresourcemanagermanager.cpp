// Pools are a singly linked stack of records, each holding a singly linked list of its
// resources threaded through the resources themselves.
#include "engine/resource/ovresourcemanagermanager.h"

#include "core/ovid.h"
#include "core/ovlog.h"
#include "engine/object/ovpooledobjectmanagermanager.h"
#include "engine/resource/ovresource.h"
#include "engine/resource/ovvoidresourcemanager.h"

namespace {

const char* NameOf(const COvIdentifier& identifier) {
  const char* name = COvIdentifierManager::GetInstance()->FindNameForCrc64(identifier.GetCrc64());
  return name ? name : "";
}

}  // namespace

COvResourceManagerManager* COvResourceManagerManager::GetInstance() {
  static COvResourceManagerManager* instance = new COvResourceManagerManager();
  return instance;
}

void COvResourceManagerManager::Initialize() {
  m_bShutdown = false;
  CreateNewResourcePoolOnStack(OVID::GetSingleton().default_);
}

void COvResourceManagerManager::CreateNewResourcePoolOnStack(const COvIdentifier& identifier) {
  SPool* pool = new SPool();
  pool->identifier = identifier;
  pool->next = m_pTop;
  m_pTop = pool;
  OvLog(eLogLevel_Info, eLogType_General, 0, "[+] Create pool '%s'", NameOf(identifier));
}

bool COvResourceManagerManager::ReleaseResourcePoolAtTopOfStack() {
  SPool* pool = m_pTop;
  if (!pool) return false;
  m_pTop = pool->next;
  OvLog(eLogLevel_Info, eLogType_General, 0, "[-] Begin release pool '%s'", NameOf(pool->identifier));
  for (COvResource* resource = pool->first; resource;) {
    COvResource* next = resource->m_pNext;
    resource->m_pNext = nullptr;
    resource->m_bPooled = false;
    resource->Release();
    resource = next;
  }
  if (m_pTop) COvPooledObjectManagerManager::GetInstance()->SetTopPoolIdentifier(m_pTop->identifier);
  OvLog(eLogLevel_Info, eLogType_General, 0, "[-] End release pool '%s'", NameOf(pool->identifier));
  delete pool;
  return true;
}

COvIdentifier COvResourceManagerManager::GetTopResourcePoolId() const {
  return m_pTop ? m_pTop->identifier : COvIdentifier();
}

const char* COvResourceManagerManager::GetTopResourcePoolName() const {
  return m_pTop ? NameOf(m_pTop->identifier) : "";
}

void COvResourceManagerManager::DisableCurrentResourcePool() {
  if (m_pTop) m_pTop->enabled = false;
}

bool COvResourceManagerManager::IsCurrentResourcePoolEnabled() const { return m_pTop && m_pTop->enabled; }

int COvResourceManagerManager::GetResourcePoolCount() const {
  int count = 0;
  for (SPool* pool = m_pTop; pool; pool = pool->next) ++count;
  return count;
}

void COvResourceManagerManager::AddManager(COvVoidResourceManager* manager) {
  if (manager && m_aManagers.Find(manager) < 0) m_aManagers.Add(manager);
}

void COvResourceManagerManager::RemoveManager(COvVoidResourceManager* manager) {
  int index = m_aManagers.Find(manager);
  if (index >= 0) m_aManagers.RemoveAt(index);
}

COvVoidResourceManager* COvResourceManagerManager::FindManager(const COvIdentifier& typeIdentifier) const {
  for (COvVoidResourceManager* manager : m_aManagers) {
    if (manager->GetIdentifier() == typeIdentifier) return manager;
  }
  return nullptr;
}

COvVoidResourceManager* COvResourceManagerManager::GetManager(int index) const {
  return index >= 0 && index < m_aManagers.GetCount() ? m_aManagers[index] : nullptr;
}

void COvResourceManagerManager::GetManagerTypeIdentifierArray(COvArray<COvIdentifier>& out) const {
  for (COvVoidResourceManager* manager : m_aManagers) out.Add(manager->GetIdentifier());
}

COvResource* COvResourceManagerManager::FindResource(const COvIdentifier& identifier) const {
  for (COvVoidResourceManager* manager : m_aManagers) {
    if (COvResource* resource = manager->FindExistVoidObject(identifier)) return resource;
  }
  return nullptr;
}

COvResource* COvResourceManagerManager::FindAndLoadResource(const COvIdentifier& identifier) const {
  for (COvVoidResourceManager* manager : m_aManagers) {
    COvResource* resource = manager->FindExistVoidObject(identifier);
    if (!resource) continue;
    if (resource->GetStatus() != COvResource::eStatus_NotLoaded || manager->LoadVoidObject(resource))
      return resource;
  }
  return nullptr;
}

void COvResourceManagerManager::Report() const {
  for (SPool* pool = m_pTop; pool; pool = pool->next) {
    OvLog(eLogLevel_Info, eLogType_General, 0, "Resource pool '%s'", NameOf(pool->identifier));
    for (COvResource* resource = pool->first; resource; resource = resource->m_pNext) {
      OvLog(eLogLevel_Info, eLogType_General, 0, "%s", resource->GetName());
    }
  }
}

void COvResourceManagerManager::Shutdown() {
  while (ReleaseResourcePoolAtTopOfStack()) {
  }
  m_bShutdown = true;
}

void COvResourceManagerManager::LinkToTopPool(COvResource* resource) {
  if (!resource || !m_pTop || resource->m_bPooled) return;
  resource->m_pNext = m_pTop->first;
  resource->m_bPooled = true;
  m_pTop->first = resource;
}

void COvResourceManagerManager::ForgetResource(COvResource* resource) {
  if (!resource || !resource->m_bPooled) return;
  for (SPool* pool = m_pTop; pool; pool = pool->next) {
    for (COvResource** link = &pool->first; *link; link = &(*link)->m_pNext) {
      if (*link == resource) {
        *link = resource->m_pNext;
        resource->m_pNext = nullptr;
        resource->m_bPooled = false;
        return;
      }
    }
  }
}
