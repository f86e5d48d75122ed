#include "core/ovreflection.h"

COvReflectionInformation::COvReflectionInformation(const COvIdentifier& identifier, int type, size_t offset,
                                                   const void* defaultValue, const void* minValue,
                                                   const void* maxValue)
    : m_identifier(identifier),
      m_iType(type),
      m_uValueOffset(offset),
      m_pDefault(defaultValue),
      m_pMin(minValue),
      m_pMax(maxValue) {}
