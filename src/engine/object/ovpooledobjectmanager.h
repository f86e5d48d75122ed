// COvPooledObjectManager: the abstract manager of one type of managed object, keeping its
// objects in named pools (the pool "global" always exists once initialized). The manager owns
// its pools and, through them, its objects.
#pragma once

#include "core/ovarray.h"
#include "core/ovidentifier.h"
#include "core/ovstring.h"

class COvManaged;
class COvObjectPool;

class COvPooledObjectManager {
 public:
  explicit COvPooledObjectManager(const COvIdentifier& identifier) : m_identifier(identifier) {}
  // Destroys the pools that remain and unregisters the manager.
  virtual ~COvPooledObjectManager();
  COvPooledObjectManager(const COvPooledObjectManager&) = delete;
  COvPooledObjectManager& operator=(const COvPooledObjectManager&) = delete;

  // Creates the pool "global", registers the manager with COvPooledObjectManagerManager and
  // calls OnInitialize.
  void Initialize();
  // Destroys every pool, unregisters the manager and calls OnRelease.
  void Release();

  // Text put before generated object names; the base has none.
  virtual const char* GetNamePrefix() const { return ""; }
  // The type identifier of the objects this manager holds.
  virtual COvIdentifier GetObjectTypeIdentifier() const = 0;
  // Creates the pool when needed, appends object and files it under its identifier. Null is
  // ignored.
  virtual void AddObject(const COvIdentifier& poolId, COvManaged* object);

  const COvIdentifier& GetIdentifier() const { return m_identifier; }
  void SetIdentifier(const COvIdentifier& identifier) { m_identifier = identifier; }

  COvObjectPool* FindPool(const COvIdentifier& poolId) const;
  // -1 when there is no such pool.
  int FindPoolIndex(const COvIdentifier& poolId) const;
  // Null when index is out of range.
  COvObjectPool* GetPool(int index) const;
  int GetPoolCount() const { return m_aPools.GetCount(); }
  COvObjectPool* GetOrCreatePool(const COvIdentifier& poolId);

  // Null when the pool or the object is not there.
  COvManaged* FindObject(const COvIdentifier& poolId, const COvIdentifier& objectId) const;
  // 0 / null when an index is out of range.
  int GetObjectCount(int poolIndex) const;
  COvManaged* GetObject(int poolIndex, int index) const;
  // True when the pool named by the object's pool identifier holds an object of its identifier.
  bool ObjectAlreadyExists(const COvManaged* object) const;
  // Unlinks object from the pool holding it, without deleting it; false when no pool does.
  bool RemoveObject(const COvManaged* object);
  // Releases, unlinks and deletes a pooled object and nulls the caller's pointer. An object in
  // none of this manager's pools is not the manager's to delete: it is left alone (false).
  bool DestroyObject(COvManaged*& object);
  // Gives the object a new identifier, keeping its pool's table in step.
  void RenameObject(COvManaged*& object, const COvIdentifier& newId);

  // Releases and deletes the pool's objects and removes the pool; later pools move down.
  void DestroyPool(const COvIdentifier& poolId);
  void DestroyAllPools();
  // Destroys every pool and creates "global" again.
  void Clear();
  // Destroys the pool; only "global" is created again.
  void Clear(const COvIdentifier& poolId);

  // The objects of the first pool, except those whose name begins with "@".
  void GetObjectNameArray(COvArray<TOvString<char>>& out) const;
  void GetObjectIdentifierArray(COvArray<COvIdentifier>& out) const;

  // Saves the reflected members of every object whose name does not begin with "@".
  void SaveVariables();
  // Puts back the saved members of every object.
  void ResetVariables();

 protected:
  // Hooks of the derived class, called at the end of Initialize and of Release.
  virtual void OnInitialize() = 0;
  virtual void OnRelease() = 0;

 private:
  COvObjectPool* FindPoolHolding(const COvManaged* object) const;
  void DestroyPoolAt(int index);

  COvArray<COvObjectPool*> m_aPools;
  COvIdentifier m_identifier;
};
