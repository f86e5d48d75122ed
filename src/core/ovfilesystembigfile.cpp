// The archive side of COvFileSystemUnCached: registering big files, looking names up in them
// and the operations on archive-entry handles, which read through their archive.
#include "bigfile/ovbigfile.h"
#include "core/ovfilesystem.h"

COvArray<COvBigFile*> COvFileSystemUnCached::m_aBigFile;

namespace {

// Archives stay registered until the process ends; this closes them then, before the list
// itself (defined above, so destroyed after this) goes away.
struct CRegisteredArchivesRelease {
  ~CRegisteredArchivesRelease() {
    for (COvBigFile* bigFile : COvFileSystemUnCached::m_aBigFile) delete bigFile;
    COvFileSystemUnCached::m_aBigFile.RemoveAll();
  }
} g_RegisteredArchivesRelease;

COvFileHandleBigFile* AsEntry(COvFileHandle* handle) { return static_cast<COvFileHandleBigFile*>(handle); }

}  // namespace

bool COvFileSystemUnCached::AddBigFile(const char* path) {
  if (!path) return false;
  for (COvBigFile* registered : m_aBigFile) {
    if (registered->GetPath() == path) return false;
  }
  COvBigFile* bigFile = new COvBigFile;
  if (bigFile->Open(path, eOvFileSystemOpenMode_ReadBinary) != eOvFileSystemError_None) {
    delete bigFile;
    return false;
  }
  m_aBigFile.Add(bigFile);
  return true;
}

COvFileHandle* COvFileSystemUnCached::OpenInBigFiles(const char* name) {
  for (COvBigFile* bigFile : m_aBigFile) {
    if (COvFileHandleBigFile* handle = bigFile->FileOpen(name)) return handle;
  }
  return nullptr;
}

EOvFileSystemError COvFileSystemUnCached::CloseBigFileEntry(COvFileHandle*& handle) {
  COvFileHandleBigFile* entry = AsEntry(handle);
  COvBigFile* bigFile = entry->GetBigFile();
  bool closed = bigFile && bigFile->FileClose(entry);
  // A handle its archive does not know is released all the same.
  if (!closed) delete entry;
  handle = nullptr;
  return closed ? eOvFileSystemError_None : eOvFileSystemError_Close;
}

int COvFileSystemUnCached::ReadBigFileEntry(COvFileHandle* handle, void* buffer, int n) {
  COvFileHandleBigFile* entry = AsEntry(handle);
  if (!entry->GetBigFile()) return 0;
  int got = entry->GetBigFile()->FileRead(entry, buffer, n);
  entry->SetPosition(entry->GetPosition() + got);
  return got;
}

int COvFileSystemUnCached::GetBigFileEntryPos(COvFileHandle* handle) {
  return AsEntry(handle)->GetPosition();
}

bool COvFileSystemUnCached::SeekBigFileEntry(COvFileHandle* handle, int offset, ESeekOrigin origin) {
  COvFileHandleBigFile* entry = AsEntry(handle);
  int64_t size = entry->GetSize();
  int64_t position = origin == SEEK_ORIGIN_START     ? offset
                     : origin == SEEK_ORIGIN_CURRENT ? static_cast<int64_t>(entry->GetPosition()) + offset
                                                     : size - offset;
  // Positions outside the entry would read the bytes of its neighbours.
  if (position < 0 || position > size) return false;
  entry->SetPosition(static_cast<int>(position));
  return true;
}

int COvFileSystemUnCached::GetBigFileEntrySize(COvFileHandle* handle) { return AsEntry(handle)->GetSize(); }

EOvFileSystemError COvFileSystemUnCached::AsyncReadBigFileEntry(COvFileHandle* handle, void* buffer, int n) {
  return ReadBigFileEntry(handle, buffer, n) < n ? eOvFileSystemError_Read : eOvFileSystemError_None;
}
