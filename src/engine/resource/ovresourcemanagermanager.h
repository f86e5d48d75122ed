// COvResourceManagerManager: the registry of resource managers and the stack of resource
// pools. Every resource loaded is recorded in the pool on top of the stack; releasing the top
// pool releases everything recorded in it, newest first. The singleton is created on first
// use and never destroyed.
#pragma once

#include "core/ovarray.h"
#include "core/ovidentifier.h"

class COvResource;
class COvVoidResourceManager;

class COvResourceManagerManager {
 public:
  static COvResourceManagerManager* GetInstance();

  // Pushes the default pool.
  void Initialize();
  void CreateNewResourcePoolOnStack(const COvIdentifier& identifier);
  // Pops the top pool and releases its resources, newest first; false when there is none.
  bool ReleaseResourcePoolAtTopOfStack();
  // The null identifier when the stack is empty.
  COvIdentifier GetTopResourcePoolId() const;
  // The top pool's name for log lines ("" when there is none).
  const char* GetTopResourcePoolName() const;
  void DisableCurrentResourcePool();
  bool IsCurrentResourcePoolEnabled() const;
  int GetResourcePoolCount() const;

  // Ignores null and managers already registered.
  void AddManager(COvVoidResourceManager* manager);
  // Unregisters a manager (one being destroyed).
  void RemoveManager(COvVoidResourceManager* manager);
  COvVoidResourceManager* FindManager(const COvIdentifier& typeIdentifier) const;
  // Null when index is out of range.
  COvVoidResourceManager* GetManager(int index) const;
  int GetManagerCount() const { return m_aManagers.GetCount(); }
  void GetManagerTypeIdentifierArray(COvArray<COvIdentifier>& out) const;

  // The first registered resource with this identifier, in manager order, without loading.
  COvResource* FindResource(const COvIdentifier& identifier) const;
  // The first resource with this identifier that is not waiting to be loaded or that loads
  // now; null when none.
  COvResource* FindAndLoadResource(const COvIdentifier& identifier) const;
  void Report() const;
  // Releases every pool, top first.
  void Shutdown();
  bool IsShutdown() const { return m_bShutdown; }

  // Records a loaded resource in the top pool, unless it is recorded in a pool already. Does
  // nothing without a pool.
  void LinkToTopPool(COvResource* resource);
  // Takes a resource out of whichever pool records it (a resource being destroyed).
  void ForgetResource(COvResource* resource);

 private:
  struct SPool {
    COvResource* first = nullptr;
    SPool* next = nullptr;
    COvIdentifier identifier;
    bool enabled = true;
  };

  COvResourceManagerManager() = default;

  SPool* m_pTop = nullptr;
  COvArray<COvVoidResourceManager*> m_aManagers;
  bool m_bShutdown = false;
};
