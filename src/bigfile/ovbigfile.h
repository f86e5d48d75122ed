// COvBigFile: an open big-file archive. Files inside are found by the CRC-64 of their
// lower-cased name and read through COvFileHandleBigFile handles over the archive's own open
// file. Archives are read-only.
//
// Handles point into the archive's table: close them all before closing or destroying the
// archive (Close refuses while any is open). One thread at a time: all handles share the
// archive file and its position.
#pragma once

#include <cstdint>

#include "bigfile/ovbigfilefat.h"
#include "bigfile/ovfilehandlebigfile.h"
#include "core/ovfile.h"
#include "core/ovstring.h"

class COvBigFile {
 public:
  COvBigFile() = default;
  COvBigFile(const COvBigFile&) = delete;
  COvBigFile& operator=(const COvBigFile&) = delete;
  // Closes the archive file and frees the table.
  virtual ~COvBigFile();

  // Opens the archive (disk only, never through other archives) and reads its table. Only
  // mode 1 ("rb") is allowed: 2 for the write modes (and any other), 3 when this archive is
  // already open, 1 when the file cannot be opened or its table is damaged.
  EOvFileSystemError Open(const char* path, int mode);
  // 4 when not open, while handles are open on it, or when closing fails; else 0.
  EOvFileSystemError Close();
  bool IsOpened() const { return m_pFAT != nullptr; }
  const COvString& GetPath() const { return m_strPath; }

  // A new handle (position 0) on the first entry whose CRC is that of name lower-cased; null
  // when none is, or the archive is not open.
  COvFileHandleBigFile* FileOpen(const char* name);
  // The same for the entry at index; null outside 0 .. GetNumFiles() - 1.
  COvFileHandleBigFile* FileOpenByIndex(int index);
  // Deletes the handle and sets it to null. False when the archive is not open or the handle
  // is null or not one of this archive's.
  bool FileClose(COvFileHandleBigFile*& handle);

  // Reads up to n bytes at the handle's position (fewer at the end of the entry, or where the
  // archive file ends early) and returns the count; the caller advances the position.
  int FileRead(COvFileHandleBigFile* handle, void* buffer, int n);
  // The same read carried out at once; 7 when the position lies past the end of the entry or
  // the archive file gave fewer bytes than the entry holds there, else 0. The position is not
  // advanced.
  EOvFileSystemError AsyncRead(COvFileHandleBigFile* handle, void* buffer, int n);
  // Archives cannot be written: 13.
  EOvFileSystemError AsyncWrite(COvFileHandleBigFile* handle, const void* buffer, int n);
  EOvFileSystemError AsyncWait() { return m_File.AsyncWait(); }

  int GetNumFiles() const { return m_pFAT ? m_pFAT->GetNumEntries() : 0; }
  // All ones / empty for an index outside the table.
  uint64_t GetFileNameCrcByIndex(int index) const;
  COvString GetFileNameByIndex(int index) const;
  // Null when not open.
  const COvBigFileFAT* GetFAT() const { return m_pFAT; }

 private:
  // Bytes a read of n at the handle's position may take: clamped to the entry and the file.
  int Clamp(const COvFileHandleBigFile* handle, int n) const;
  bool Owns(const COvFileHandleBigFile* handle) const;

  COvFile m_File;
  COvString m_strPath;
  COvBigFileFAT* m_pFAT = nullptr;
  int m_iFileSize = 0;
};
