#include "engine/object/ovmanaged.h"

const COvRTTI COvManaged::TYPE("COvManaged", nullptr);

const COvArray<COvReflectionInformation>& COvManaged::GetReflectionInformationArray() const {
  static const COvArray<COvReflectionInformation> none;
  return none;
}

void COvManaged::SaveVariables() {
  // Member offsets count from the start of the whole object, wherever this base sits in it.
  void* object = dynamic_cast<void*>(this);
  m_aSnapShots.RemoveAll();
  for (const COvReflectionInformation& record : GetReflectionInformationArray()) {
    m_aSnapShots.Add(COvReflectionInformationSnapShot(record, object));
  }
}

void COvManaged::ResetVariables() {
  for (COvReflectionInformationSnapShot& snapShot : m_aSnapShots) snapShot.BackUp();
}
