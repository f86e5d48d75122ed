// COvBasicVariant: one value of a small fixed set of value types (scalars, vectors, matrices,
// colours), stored as a type code and 64 bytes. The static functions describe the type codes.
#pragma once

#include "engine/math/ovcolor.h"
#include "engine/math/ovmatrix.h"
#include "engine/math/ovquaternion.h"
#include "engine/math/ovvector.h"

class COvBasicVariant {
 public:
  enum EType {
    eTypeMatrix4x4 = 0,
    eTypeMatrix3x3,
    eTypeMatrix2x2,
    eTypeVector4,
    eTypeIVector4,
    eTypeUVector4,
    eTypeBVector4,
    eTypeRGBAF,
    eTypeVector3,
    eTypeEulerAngles,
    eTypeIVector3,
    eTypeUVector3,
    eTypeBVector3,
    eTypeRGBF,
    eTypeVector2,
    eTypeIVector2,
    eTypeUVector2,
    eTypeBVector2,
    eTypeFloat,
    eTypeInt,
    eTypeUInt,
    eTypeBool,
    eTypeCount
  };
  static constexpr int max_value_byte_size = 64;

  COvBasicVariant() = default;

  void SetValue(const COvMatrix44& v) { Store(eTypeMatrix4x4, &v); }
  void SetValue(const COvMatrix33& v) { Store(eTypeMatrix3x3, &v); }
  void SetValue(const COvMatrix22& v) { Store(eTypeMatrix2x2, &v); }
  void SetValue(const COvVector4& v) { Store(eTypeVector4, &v); }
  void SetValue(const COvRGBA<float>& v) { Store(eTypeRGBAF, &v); }
  void SetValue(const COvVector3& v) { Store(eTypeVector3, &v); }
  void SetValue(const COvEulerAngles& v) { Store(eTypeEulerAngles, &v); }
  void SetValue(const COvRGB<float>& v) { Store(eTypeRGBF, &v); }
  void SetValue(const COvVector2& v) { Store(eTypeVector2, &v); }
  void SetValue(const COvVector2i& v) { Store(eTypeIVector2, &v); }
  void SetValue(float v) { Store(eTypeFloat, &v); }
  void SetValue(int v) { Store(eTypeInt, &v); }
  void SetValue(unsigned int v) { Store(eTypeUInt, &v); }
  void SetValue(bool v) { Store(eTypeBool, &v); }
  // Copies ByteSize of type bytes from memory; false (nothing changed) for an invalid type.
  bool SetValueFromMemory(const void* memory, int type);
  // Copies ByteSize() bytes to memory.
  void MemoryCopyTo(void* memory) const;

  EType GetEType() const { return m_eType; }
  int ByteSize() const { return GetETypeByteSize(m_eType); }
  unsigned char* GetMutableDataPtr() { return m_aData; }
  const unsigned char* GetDataPtr() const { return m_aData; }

  static bool IsValidEType(int type) { return type >= 0 && type < eTypeCount; }
  // Null for an invalid type.
  static const char* GetETypeName(int type);
  // 0 for an invalid type.
  static int GetETypeByteSize(int type);
  // eTypeFloat, eTypeInt, eTypeUInt or eTypeBool; -1 for an invalid type.
  static int GetETypeComponentScalarType(int type);
  static int GetETypeNumComponents(int type);
  // -1 for an unknown name; names match exactly.
  static int GetETypeEnumFromName(const char* name);

 private:
  void Store(EType type, const void* memory) { SetValueFromMemory(memory, type); }

  EType m_eType = eTypeInt;
  unsigned char m_aData[max_value_byte_size] = {};
};
