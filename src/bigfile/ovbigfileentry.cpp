// COvBigFileEntry: the registry lookup behind GetName.
#include "bigfile/ovbigfileentry.h"

#include <cstdio>

#include "core/ovidentifier.h"

COvString COvBigFileEntry::GetName() const {
  if (const char* name = COvIdentifierManager::GetInstance()->FindNameForCrc64(m_uCRC64))
    return COvString(name);
  char text[32];
  std::snprintf(text, sizeof text, "CRC<%8.8X%8.8X>", static_cast<unsigned>(m_uCRC64 >> 32),
                static_cast<unsigned>(m_uCRC64 & 0xFFFFFFFFu));
  return COvString(text);
}
