// COvManaged: the base of engine objects kept in named pools by a pooled-object manager. An
// object can save the values of its reflected members and put them back later, so that a run
// of the game inside the editor leaves the objects as they were.
#pragma once

#include "core/ovarray.h"
#include "core/ovidentifier.h"
#include "core/ovreflection.h"
#include "core/ovreflectionsnapshot.h"
#include "core/ovrtti.h"

class COvManaged {
 public:
  static const COvRTTI TYPE;

  COvManaged() = default;
  explicit COvManaged(const COvIdentifier& identifier) : m_identifier(identifier) {}
  virtual ~COvManaged() = default;
  COvManaged(const COvManaged&) = delete;
  COvManaged& operator=(const COvManaged&) = delete;

  // Frees what the object holds before it is deleted; the base holds nothing.
  virtual void Release() {}
  // The type, manager and pool identifiers are those of the derived class; the base returns
  // the null identifier for each.
  virtual COvIdentifier GetTypeIdentifier() const { return COvIdentifier(); }
  virtual COvIdentifier GetManagerIdentifier() const { return COvIdentifier(); }
  // Renaming a pooled object goes through its manager's RenameObject, which keeps the pool's
  // table in step.
  virtual void SetIdentifier(const COvIdentifier& identifier) { m_identifier = identifier; }
  virtual const COvIdentifier& GetIdentifier() const { return m_identifier; }
  virtual COvIdentifier GetPoolIdentifier() const { return COvIdentifier(); }
  virtual const COvRTTI* GetRtti() const { return &TYPE; }
  // The reflected members of the object's class; the base has none.
  virtual const COvArray<COvReflectionInformation>& GetReflectionInformationArray() const;
  // Captures the current value of every reflected member, replacing an earlier capture.
  virtual void SaveVariables();
  // Puts the captured values back (the values they replace are kept, so a second call undoes
  // the first).
  virtual void ResetVariables();

 private:
  COvArray<COvReflectionInformationSnapShot> m_aSnapShots;
  COvIdentifier m_identifier;
};
