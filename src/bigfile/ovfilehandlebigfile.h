// COvFileHandleBigFile: a read handle on one entry of a big-file archive. Created by
// COvBigFile::FileOpen and released through COvBigFile::FileClose (or the file system's
// Close). Each handle keeps its own position within the entry; the archive's file is shared.
#pragma once

#include "core/ovfilehandle.h"

class COvBigFile;
class COvBigFileEntry;

class COvFileHandleBigFile : public COvFileHandle {
 public:
  COvFileHandleBigFile(COvBigFile* bigFile, COvBigFileEntry* entry) : m_pBigFile(bigFile), m_pEntry(entry) {}

  int GetType() const override { return eOvFileHandleType_BigFile; }
  // The entry's stored name; empty without entry.
  const COvString& GetName() const override;
  int GetOpenMode() const override { return eOvFileSystemOpenMode_ReadBinary; }
  // The entry's size; 0 without entry.
  virtual int GetSize() const;

  COvBigFile* GetBigFile() const { return m_pBigFile; }
  COvBigFileEntry* GetEntry() const { return m_pEntry; }
  // Position within the entry.
  int GetPosition() const { return m_iPosition; }
  void SetPosition(int position) { m_iPosition = position; }

 private:
  COvBigFile* m_pBigFile;
  COvBigFileEntry* m_pEntry;
  int m_iPosition = 0;
};
