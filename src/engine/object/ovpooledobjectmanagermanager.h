// COvPooledObjectManagerManager: the registry of pooled-object managers and the identifier of
// the pool on top (kept in step with the resource pools). The singleton is created on first
// use and never destroyed; managers are not owned except through DestroyManager.
#pragma once

#include "core/ovarray.h"
#include "core/ovidentifier.h"

class COvManaged;
class COvPooledObjectManager;

class COvPooledObjectManagerManager {
 public:
  static COvPooledObjectManagerManager* GetInstance();

  // Null and managers already registered are ignored.
  void AddManager(COvPooledObjectManager* manager);
  void RemoveManager(COvPooledObjectManager* manager);
  // Releases, unregisters and deletes manager.
  void DestroyManager(COvPooledObjectManager* manager);
  COvPooledObjectManager* FindManager(const COvIdentifier& identifier) const;
  COvPooledObjectManager* FindManagerByObjectType(const COvIdentifier& typeIdentifier) const;
  // Null when index is out of range.
  COvPooledObjectManager* GetManager(int index) const;
  int GetManagerCount() const { return m_aManagers.GetCount(); }

  // The first object found, asking the managers in registration order.
  COvManaged* FindObject(const COvIdentifier& poolId, const COvIdentifier& objectId) const;
  // "base_001", "base_002"... : the first such name that no object of the top pool has.
  COvIdentifier GenerateIdentifierSuffix(const COvIdentifier& baseId) const;
  void GetAllObjectIdentifierArray(COvArray<COvIdentifier>& out) const;
  void SaveVariables();
  void ResetVariables();

  // "global" until the resource pools say otherwise.
  const COvIdentifier& GetTopPoolIdentifier() const { return m_topPoolIdentifier; }
  void SetTopPoolIdentifier(const COvIdentifier& identifier) { m_topPoolIdentifier = identifier; }

  // Unregisters every manager.
  void Release() { m_aManagers.RemoveAll(); }

 private:
  COvPooledObjectManagerManager();

  COvArray<COvPooledObjectManager*> m_aManagers;
  COvIdentifier m_topPoolIdentifier;
};
