// COvBigFile: opening an archive, handing out entry handles and reading entry bytes.
#include "bigfile/ovbigfile.h"

#include <cstring>

#include "core/ovcrc.h"
#include "core/ovidentifier.h"

COvBigFile::~COvBigFile() {
  delete m_pFAT;
  m_pFAT = nullptr;
}

EOvFileSystemError COvBigFile::Open(const char* path, int mode) {
  if (mode != eOvFileSystemOpenMode_ReadBinary) return eOvFileSystemError_InvalidMode;
  if (m_File.IsOpened()) return eOvFileSystemError_AlreadyOpened;
  if (!path || m_File.Open(path, mode, false) != eOvFileSystemError_None)
    return eOvFileSystemError_BigFileOpen;
  COvBigFileFAT* fat = new COvBigFileFAT;
  if (!fat->SerialFrom(m_File)) {
    delete fat;
    m_File.Close();
    return eOvFileSystemError_BigFileOpen;
  }
  m_strPath = path;
  m_pFAT = fat;
  m_iFileSize = m_File.GetSize();
  return eOvFileSystemError_None;
}

EOvFileSystemError COvBigFile::Close() {
  if (!m_pFAT) return eOvFileSystemError_Close;
  for (int i = 0; i < m_pFAT->GetNumEntries(); ++i) {
    if (m_pFAT->GetEntry(i).GetOpenCount() > 0) return eOvFileSystemError_Close;
  }
  EOvFileSystemError closed = m_File.Close();
  delete m_pFAT;
  m_pFAT = nullptr;
  return closed == eOvFileSystemError_None ? eOvFileSystemError_None : eOvFileSystemError_Close;
}

COvFileHandleBigFile* COvBigFile::FileOpen(const char* name) {
  if (!m_pFAT || !name) return nullptr;
  uint64_t crc = CreateCrc64_ToLower(name, static_cast<int>(std::strlen(name)), COvIdentifier::NULL_CRC64);
  return FileOpenByIndex(m_pFAT->FindEntry(crc));
}

COvFileHandleBigFile* COvBigFile::FileOpenByIndex(int index) {
  if (!m_pFAT || index < 0 || index >= m_pFAT->GetNumEntries()) return nullptr;
  COvBigFileEntry& entry = m_pFAT->GetEntry(index);
  entry.AddOpen();
  return new COvFileHandleBigFile(this, &entry);
}

bool COvBigFile::Owns(const COvFileHandleBigFile* handle) const {
  return m_pFAT && handle && handle->GetBigFile() == this && handle->GetEntry();
}

bool COvBigFile::FileClose(COvFileHandleBigFile*& handle) {
  if (!Owns(handle)) return false;
  handle->GetEntry()->RemoveOpen();
  delete handle;
  handle = nullptr;
  return true;
}

int COvBigFile::Clamp(const COvFileHandleBigFile* handle, int n) const {
  const COvBigFileEntry& entry = *handle->GetEntry();
  int64_t start = static_cast<int64_t>(entry.GetOffset()) + handle->GetPosition();
  int64_t k = n;
  if (k > static_cast<int64_t>(entry.GetSize()) - handle->GetPosition())
    k = static_cast<int64_t>(entry.GetSize()) - handle->GetPosition();
  // An entry that runs past the end of a damaged archive gives what the file holds, which
  // for an (empty) entry placed beyond the end is nothing, not a failure.
  int64_t inFile = m_iFileSize - start > 0 ? m_iFileSize - start : 0;
  if (k > inFile) k = inFile;
  return k < 0 || handle->GetPosition() < 0 ? -1 : static_cast<int>(k);
}

int COvBigFile::FileRead(COvFileHandleBigFile* handle, void* buffer, int n) {
  if (!Owns(handle) || !buffer || n < 1) return 0;
  int k = Clamp(handle, n);
  if (k <= 0 || !m_File.SeekFromStart(handle->GetEntry()->GetOffset() + handle->GetPosition())) return 0;
  return m_File.Read(buffer, k);
}

EOvFileSystemError COvBigFile::AsyncRead(COvFileHandleBigFile* handle, void* buffer, int n) {
  if (!Owns(handle)) return eOvFileSystemError_NoHandle;
  int k = Clamp(handle, n);
  if (k < 0) return eOvFileSystemError_Read;
  if (k == 0) return eOvFileSystemError_None;
  if (!m_File.SeekFromStart(handle->GetEntry()->GetOffset() + handle->GetPosition()))
    return eOvFileSystemError_Read;
  return m_File.AsyncRead(buffer, k);
}

EOvFileSystemError COvBigFile::AsyncWrite(COvFileHandleBigFile*, const void*, int) {
  return eOvFileSystemError_WriteNotSupported;
}

uint64_t COvBigFile::GetFileNameCrcByIndex(int index) const {
  if (!m_pFAT || index < 0 || index >= m_pFAT->GetNumEntries()) return COvIdentifier::NULL_CRC64;
  return m_pFAT->GetEntry(index).GetCRC64();
}

COvString COvBigFile::GetFileNameByIndex(int index) const {
  if (!m_pFAT || index < 0 || index >= m_pFAT->GetNumEntries()) return COvString();
  return m_pFAT->GetEntry(index).GetStoredName();
}
