// COvObjectPool: one named pool of managed objects, kept in insertion order and in a table
// keyed by identifier. Several objects may share an identifier: the table finds the one filed
// first that is still in the pool. The pool owns its objects only through DestroyAll.
#pragma once

#include "core/ovarray.h"
#include "core/ovidentifier.h"
#include "engine/object/ovobjecttable.h"

class COvManaged;

class COvObjectPool {
 public:
  explicit COvObjectPool(const COvIdentifier& identifier) : m_identifier(identifier) {}
  COvObjectPool(const COvObjectPool&) = delete;
  COvObjectPool& operator=(const COvObjectPool&) = delete;

  const COvIdentifier& GetIdentifier() const { return m_identifier; }
  // Appends object; the table keeps an entry already present for its identifier. Null is
  // ignored.
  void Add(COvManaged* object);
  // Null when no object has the identifier.
  COvManaged* Find(const COvIdentifier& identifier) const;
  bool Contains(const COvManaged* object) const {
    return m_aObjects.Find(const_cast<COvManaged*>(object)) >= 0;
  }
  // Unlinks object without deleting it; false when it is not in the pool.
  bool Remove(const COvManaged* object);
  // Gives a pooled object a new identifier and files it under it; false when it is not in
  // the pool.
  bool Rename(COvManaged* object, const COvIdentifier& identifier);
  // Releases every object, then deletes them all, leaving the pool empty.
  void DestroyAll();

  int GetCount() const { return m_aObjects.GetCount(); }
  // Null when index is out of range.
  COvManaged* Get(int index) const;
  int GetSlotCount() const { return m_table.GetSlotCount(); }

 private:
  // Takes object out of the table; another object of the same identifier takes its entry.
  void Unhash(const COvManaged* object);

  COvArray<COvManaged*> m_aObjects;
  COvIdentifier m_identifier;
  COvObjectTable m_table;
};
