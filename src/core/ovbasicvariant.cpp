#include "core/ovbasicvariant.h"

#include <cstring>

#include "core/ovstrfuncs.h"

namespace {

struct TypeInfo {
  const char* name;
  int bytes;
  COvBasicVariant::EType component;
};

constexpr TypeInfo kTypes[COvBasicVariant::eTypeCount] = {
    {"matrix4x4", 64, COvBasicVariant::eTypeFloat}, {"matrix3x3", 36, COvBasicVariant::eTypeFloat},
    {"matrix2x2", 16, COvBasicVariant::eTypeFloat}, {"vector4", 16, COvBasicVariant::eTypeFloat},
    {"ivector4", 16, COvBasicVariant::eTypeInt},    {"uvector4", 16, COvBasicVariant::eTypeUInt},
    {"bvector4", 4, COvBasicVariant::eTypeBool},    {"rgbaf", 16, COvBasicVariant::eTypeFloat},
    {"vector3", 12, COvBasicVariant::eTypeFloat},   {"eulerangles", 12, COvBasicVariant::eTypeFloat},
    {"ivector3", 12, COvBasicVariant::eTypeInt},    {"uvector3", 12, COvBasicVariant::eTypeUInt},
    {"bvector3", 3, COvBasicVariant::eTypeBool},    {"rgbf", 12, COvBasicVariant::eTypeFloat},
    {"vector2", 8, COvBasicVariant::eTypeFloat},    {"ivector2", 8, COvBasicVariant::eTypeInt},
    {"uvector2", 8, COvBasicVariant::eTypeUInt},    {"bvector2", 2, COvBasicVariant::eTypeBool},
    {"float", 4, COvBasicVariant::eTypeFloat},      {"int", 4, COvBasicVariant::eTypeInt},
    {"uint", 4, COvBasicVariant::eTypeUInt},        {"bool", 1, COvBasicVariant::eTypeBool},
};

// The value types are stored by copying their memory, which must be exactly their components.
static_assert(sizeof(COvMatrix44) == 64 && sizeof(COvMatrix33) == 36 && sizeof(COvMatrix22) == 16, "");
static_assert(sizeof(COvVector4) == 16 && sizeof(COvVector3) == 12 && sizeof(COvVector2) == 8, "");
static_assert(sizeof(COvRGBA<float>) == 16 && sizeof(COvRGB<float>) == 12, "");
static_assert(sizeof(COvEulerAngles) == 12 && sizeof(COvVector2i) == 8, "");

}  // namespace

bool COvBasicVariant::SetValueFromMemory(const void* memory, int type) {
  if (!IsValidEType(type) || !memory) return false;
  m_eType = static_cast<EType>(type);
  std::memset(m_aData, 0, sizeof(m_aData));
  std::memcpy(m_aData, memory, kTypes[type].bytes);
  return true;
}

void COvBasicVariant::MemoryCopyTo(void* memory) const { std::memcpy(memory, m_aData, ByteSize()); }

const char* COvBasicVariant::GetETypeName(int type) {
  return IsValidEType(type) ? kTypes[type].name : nullptr;
}

int COvBasicVariant::GetETypeByteSize(int type) { return IsValidEType(type) ? kTypes[type].bytes : 0; }

int COvBasicVariant::GetETypeComponentScalarType(int type) {
  return IsValidEType(type) ? kTypes[type].component : -1;
}

int COvBasicVariant::GetETypeNumComponents(int type) {
  if (!IsValidEType(type)) return 0;
  return kTypes[type].bytes / kTypes[kTypes[type].component].bytes;
}

int COvBasicVariant::GetETypeEnumFromName(const char* name) {
  if (!name) return -1;
  for (int type = 0; type < eTypeCount; ++type) {
    if (ovStrcmp(kTypes[type].name, name) == 0) return type;
  }
  return -1;
}
