// Saved member values: COvReflectionInformationSnapShot holds the value one member of one
// object had when it was taken; COvReflectionState holds the values of all members of one
// object. BackUp() swaps saved and current values, so calling it twice restores the object.
#pragma once

#include "core/ovarray.h"
#include "core/ovbasicvariant.h"
#include "core/ovreflection.h"

class COvReflectionInformationSnapShot {
 public:
  COvReflectionInformationSnapShot() = default;
  // Reads the member's current value; the object must outlive the snapshot.
  COvReflectionInformationSnapShot(const COvReflectionInformation& record, void* object);

  // Writes the saved value into the object and keeps the value the object had.
  void BackUp();

  const COvReflectionInformation& GetReflectionInformation() const { return m_record; }
  void* GetObject() const { return m_pObject; }
  const COvBasicVariant& GetVariant() const { return m_variant; }
  const TOvString<char>& GetSavedString() const { return m_strSaved; }
  // False for member kinds that snapshots do not capture.
  bool IsCaptured() const { return m_bCaptured; }

  // Appends one snapshot per record per object: records[i] describes objects[i].
  static void SaveReflectionInformation(const COvArray<COvReflectionInformation>* const* records,
                                        void* const* objects, int count,
                                        COvArray<COvReflectionInformationSnapShot>& out);

 private:
  struct Value {
    COvBasicVariant variant;
    TOvString<char> text;
    void* resource = nullptr;
  };
  bool Read(Value& value) const;
  void Write(const Value& value) const;

  COvReflectionInformation m_record;
  void* m_pObject = nullptr;
  COvBasicVariant m_variant;
  TOvString<char> m_strSaved;
  void* m_pResource = nullptr;
  bool m_bCaptured = false;
};

class COvReflectionState {
 public:
  COvReflectionState() = default;
  COvReflectionState(void* object, const COvArray<COvReflectionInformation>& records);

  void BackUp();
  const COvArray<COvReflectionInformation>& GetRecords() const { return m_aRecords; }
  const COvArray<COvReflectionInformationSnapShot>& GetValues() const { return m_aValues; }

 private:
  COvArray<COvReflectionInformation> m_aRecords;
  COvArray<COvReflectionInformationSnapShot> m_aValues;
};
