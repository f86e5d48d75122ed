// The archive side of COvFileSystemUnCached: registering big files, looking names up in them
// and the operations on archive-entry handles. No archive type is built into the library yet,
// so nothing can be registered, no name is found in an archive and archive-entry handles get
// the answers of an unknown handle type.
#include "core/ovfilesystem.h"

bool COvFileSystemUnCached::AddBigFile(const char*) { return false; }

COvFileHandle* COvFileSystemUnCached::OpenInBigFiles(const char*) { return nullptr; }

EOvFileSystemError COvFileSystemUnCached::CloseBigFileEntry(COvFileHandle*&) {
  return eOvFileSystemError_Close;
}

int COvFileSystemUnCached::ReadBigFileEntry(COvFileHandle*, void*, int) { return 0; }

int COvFileSystemUnCached::GetBigFileEntryPos(COvFileHandle*) { return 0; }

bool COvFileSystemUnCached::SeekBigFileEntry(COvFileHandle*, int, ESeekOrigin) { return false; }

int COvFileSystemUnCached::GetBigFileEntrySize(COvFileHandle*) { return 0; }

EOvFileSystemError COvFileSystemUnCached::AsyncReadBigFileEntry(COvFileHandle*, void*, int) {
  return eOvFileSystemError_Read;
}
