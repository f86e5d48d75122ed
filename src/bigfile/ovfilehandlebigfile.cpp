// COvFileHandleBigFile: answers taken from its archive entry.
#include "bigfile/ovfilehandlebigfile.h"

#include "bigfile/ovbigfileentry.h"

const COvString& COvFileHandleBigFile::GetName() const {
  static const COvString kNoName;
  return m_pEntry ? m_pEntry->GetStoredName() : kNoName;
}

int COvFileHandleBigFile::GetSize() const { return m_pEntry ? m_pEntry->GetSize() : 0; }
