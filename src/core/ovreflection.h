// COvReflectionInformation: the description of one member of a reflected class (name, type
// code, byte offset in the object, optional default/min/max values, optional accessor
// functions), through which generic code reads and writes the member of any object.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/ovarray.h"
#include "core/ovidentifier.h"
#include "core/ovstring.h"
#include "engine/math/ovcolor.h"
#include "engine/math/ovmatrix.h"
#include "engine/math/ovquaternion.h"
#include "engine/math/ovvector.h"

struct COvUUID {
  uint8_t bytes[16] = {};
  bool operator==(const COvUUID& o) const {
    for (int i = 0; i < 16; ++i)
      if (bytes[i] != o.bytes[i]) return false;
    return true;
  }
};

class COvReflectionInformation {
 public:
  enum EType {
    eTypeBool = 2,
    eTypeInt = 3,
    eTypeUInt = 4,
    eTypeInt64 = 5,
    eTypeUInt64 = 6,
    eTypeFloat = 7,
    eTypeColor = 9,
    eTypeVector2 = 10,
    eTypeVector3 = 11,
    eTypeVector4 = 12,
    eTypeMatrix22 = 13,
    eTypeMatrix33 = 14,
    eTypeMatrix44 = 15,
    eTypeEulerAngles = 16,
    eTypeEnum = 17,
    eTypeString2 = 18,  // 8-bit text of the second kind, handled like eTypeString
    eTypeString = 19,
    eTypeWString = 20,
    eTypeDataSetEnum = 21,
    eTypeUUID = 22,
    eTypeObject = 23,
    eTypeSubObject = 24,
    eTypeResourceArray = 25,
    eTypeResource = 26,
  };

  // A setter receives a pointer to the new value; a getter returns a pointer to the current one.
  typedef void (*Setter)(void* object, const void* value);
  typedef void* (*Getter)(void* object);

  COvReflectionInformation() = default;
  // default/min/max point to values of the member's type and are not owned; they may be null.
  COvReflectionInformation(const COvIdentifier& identifier, int type, size_t offset,
                           const void* defaultValue = nullptr, const void* minValue = nullptr,
                           const void* maxValue = nullptr);

  const COvIdentifier& GetIdentifier() const { return m_identifier; }
  int GetType() const { return m_iType; }
  const COvIdentifier& GetSubType() const { return m_subType; }
  void SetSubType(const COvIdentifier& subType) { m_subType = subType; }
  const void* GetEnumReflexionInformation() const { return m_pEnumInformation; }
  void SetEnumReflexionInformation(const void* table) { m_pEnumInformation = table; }
  size_t GetValueOffset() const { return m_uValueOffset; }
  const void* GetDefaultValue() const { return m_pDefault; }
  const void* GetMinValue() const { return m_pMin; }
  const void* GetMaxValue() const { return m_pMax; }
  COvArray<COvReflectionInformation>& GetSubReflectionInformation() { return m_aSubInformation; }
  const COvArray<COvReflectionInformation>& GetSubReflectionInformation() const { return m_aSubInformation; }
  bool IsNull() const { return m_bIsNull; }
  void SetIsNull(bool isNull) { m_bIsNull = isNull; }
  void SetAccessors(Setter setter, Getter getter) {
    m_pSetter = setter;
    m_pGetter = getter;
  }

  bool GetValueBool(void* object) const { return Get<bool>(object); }
  void SetValueBool(void* object, bool v) const { Set(object, v); }
  int32_t GetValueInt(void* object) const { return Get<int32_t>(object); }
  void SetValueInt(void* object, int32_t v) const { Set(object, v); }
  uint32_t GetValueUInt(void* object) const { return Get<uint32_t>(object); }
  void SetValueUInt(void* object, uint32_t v) const { Set(object, v); }
  int64_t GetValueInt64(void* object) const { return Get<int64_t>(object); }
  void SetValueInt64(void* object, int64_t v) const { Set(object, v); }
  uint64_t GetValueUInt64(void* object) const { return Get<uint64_t>(object); }
  void SetValueUInt64(void* object, uint64_t v) const { Set(object, v); }
  float GetValueFloat(void* object) const { return Get<float>(object); }
  void SetValueFloat(void* object, float v) const { Set(object, v); }
  TOvString<char> GetValueString(void* object) const { return Get<TOvString<char>>(object); }
  void SetValueString(void* object, const TOvString<char>& v) const { Set(object, v); }
  TOvString<wchar_t> GetValueWString(void* object) const { return Get<TOvString<wchar_t>>(object); }
  void SetValueWString(void* object, const TOvString<wchar_t>& v) const { Set(object, v); }
  int32_t GetValueEnum(void* object) const { return Get<int32_t>(object); }
  void SetValueEnum(void* object, int32_t v) const { Set(object, v); }
  int32_t GetValueDataSetEnum(void* object) const { return Get<int32_t>(object); }
  void SetValueDataSetEnum(void* object, int32_t v) const { Set(object, v); }
  COvVector2 GetValueVector2(void* object) const { return Get<COvVector2>(object); }
  void SetValueVector2(void* object, const COvVector2& v) const { Set(object, v); }
  COvVector3 GetValueVector3(void* object) const { return Get<COvVector3>(object); }
  void SetValueVector3(void* object, const COvVector3& v) const { Set(object, v); }
  COvVector4 GetValueVector4(void* object) const { return Get<COvVector4>(object); }
  void SetValueVector4(void* object, const COvVector4& v) const { Set(object, v); }
  COvMatrix22 GetValueMatrix22(void* object) const { return Get<COvMatrix22>(object); }
  void SetValueMatrix22(void* object, const COvMatrix22& v) const { Set(object, v); }
  COvMatrix33 GetValueMatrix33(void* object) const { return Get<COvMatrix33>(object); }
  void SetValueMatrix33(void* object, const COvMatrix33& v) const { Set(object, v); }
  COvMatrix44 GetValueMatrix44(void* object) const { return Get<COvMatrix44>(object); }
  void SetValueMatrix44(void* object, const COvMatrix44& v) const { Set(object, v); }
  COvEulerAngles GetValueEulerAngles(void* object) const { return Get<COvEulerAngles>(object); }
  void SetValueEulerAngles(void* object, const COvEulerAngles& v) const { Set(object, v); }
  COvRGBA<float> GetValueColor(void* object) const { return Get<COvRGBA<float>>(object); }
  void SetValueColor(void* object, const COvRGBA<float>& v) const { Set(object, v); }
  COvUUID GetValueUUID(void* object) const { return Get<COvUUID>(object); }
  void SetValueUUID(void* object, const COvUUID& v) const { Set(object, v); }
  void* GetValueResource(void* object) const { return Get<void*>(object); }
  void SetValueResource(void* object, void* v) const { Set(object, v); }
  COvArray<void*> GetValueResourceArray(void* object) const { return Get<COvArray<void*>>(object); }
  void SetValueResourceArray(void* object, const COvArray<void*>& v) const { Set(object, v); }
  void* GetValueObject(void* object) const { return Get<void*>(object); }
  // Also records whether the new value is null.
  void SetValueObject(void* object, void* v) {
    m_bIsNull = v == nullptr;
    Set(object, v);
  }
  // The embedded sub-object itself: object + offset, or where the getter function points.
  void* GetValueSubObject(void* object) const { return Address(object); }

 private:
  void* Address(void* object) const {
    return m_pGetter ? m_pGetter(object) : static_cast<unsigned char*>(object) + m_uValueOffset;
  }
  template <typename T>
  T Get(void* object) const {
    return *static_cast<const T*>(Address(object));
  }
  template <typename T>
  void Set(void* object, const T& value) const {
    if (m_pSetter) {
      m_pSetter(object, &value);
    } else {
      *reinterpret_cast<T*>(static_cast<unsigned char*>(object) + m_uValueOffset) = value;
    }
  }

  COvArray<int> m_aAuxiliary1;
  COvArray<int> m_aAuxiliary2;
  COvIdentifier m_identifier;
  int m_iType = eTypeInt;
  COvIdentifier m_subType;
  const void* m_pEnumInformation = nullptr;
  size_t m_uValueOffset = 0;
  const void* m_pDefault = nullptr;
  const void* m_pMin = nullptr;
  const void* m_pMax = nullptr;
  COvArray<COvReflectionInformation> m_aSubInformation;
  bool m_bIsNull = true;
  Setter m_pSetter = nullptr;
  Getter m_pGetter = nullptr;
};
