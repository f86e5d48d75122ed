// COvFileSystemUnCached: the static entry points of the file layer. Opens files on disk (C
// runtime streams) or inside registered big-file archives and routes every operation on a
// handle by the handle's type. Positions and sizes are 32-bit (files up to 2 GB). Nothing is
// printed; failures come back as EOvFileSystemError codes, counts or false.
#pragma once

#include "core/ovarray.h"
#include "core/ovfilehandle.h"

class COvBigFile;

class COvFileSystemUnCached {
 public:
  // On success handle receives a new handle (owned by the caller until Close) and the result
  // is 0. With useBigFiles and a read mode (1 or 4), the registered archives are asked first,
  // in registration order. Otherwise the file is opened on disk: 2 for a mode outside 1..6,
  // 5 (handle set to null) when it cannot be opened; a directory is never opened.
  static EOvFileSystemError Open(COvFileHandle*& handle, const char* name, int mode, bool useBigFiles);
  // Closes and deletes the handle and sets it to null. 6 for a null handle, 4 when the handle
  // cannot be closed (also when a disk file's buffered data could not be written: the handle
  // is released all the same).
  static EOvFileSystemError Close(COvFileHandle*& handle);

  // Byte counts; 0 for a null handle, a null buffer or n < 1.
  static int Read(COvFileHandle* handle, void* buffer, int n);
  // n on success, 0 when nothing or not everything was written (also for handles that cannot
  // be written, such as archive entries). A null handle gives 6, the error code, in place of
  // a count: compare the result with n. With the swap flag set, every
  // complete 32-bit word is written byte-reversed; buffer itself is never changed.
  static int Write(COvFileHandle* handle, const void* buffer, int n);

  // -1 for a null handle.
  static int GetPos(COvFileHandle* handle);
  // False for a null handle or when the position cannot be set. An archive entry counts
  // SeekFromEnd's offset back from its end (size - offset); a disk file adds it to the end.
  // An archive entry refuses positions outside 0 .. its size.
  static bool SeekFromStart(COvFileHandle* handle, int offset);
  static bool SeekFromCurrent(COvFileHandle* handle, int offset);
  static bool SeekFromEnd(COvFileHandle* handle, int offset);
  // 0 for a null handle. Leaves the position where it was.
  static int GetSize(COvFileHandle* handle);

  // True only for an existing path that is not a directory.
  static bool Exists(const char* name);

  // Carried out at once. 6 for a null handle, 10 while another asynchronous operation runs on
  // the handle, 7 / 8 when fewer than n bytes were read / written (an archive entry's read
  // advances its position as Read does; its writes are dropped with result 0).
  static EOvFileSystemError AsyncRead(COvFileHandle* handle, void* buffer, int n);
  static EOvFileSystemError AsyncWrite(COvFileHandle* handle, const void* buffer, int n);

  // Process-wide: the writer of big-endian data sets it around its writes.
  static void SetSwapDWORDOnWrite(bool swap) { m_bSwapDWORDOnWrite = swap; }
  static bool GetSwapDWORDOnWrite() { return m_bSwapDWORDOnWrite; }

  // Registers an archive for reads with big-file lookup, for the rest of the process. False
  // when one with exactly this path (case-sensitive) is registered or it cannot be opened.
  static bool AddBigFile(const char* path);

  // Registered archives, in registration order. Never removed; deleted when the process ends.
  static COvArray<COvBigFile*> m_aBigFile;

 private:
  enum ESeekOrigin { SEEK_ORIGIN_START, SEEK_ORIGIN_CURRENT, SEEK_ORIGIN_END };

  static bool Seek(COvFileHandle* handle, int offset, ESeekOrigin origin);

  // The archive side of the routing (kept with the big-file code): lookup of a name in the
  // registered archives, and the operations on archive-entry handles. Each gives the result of
  // the matching public function for a handle of type eOvFileHandleType_BigFile.
  static COvFileHandle* OpenInBigFiles(const char* name);
  static EOvFileSystemError CloseBigFileEntry(COvFileHandle*& handle);
  static int ReadBigFileEntry(COvFileHandle* handle, void* buffer, int n);
  static int GetBigFileEntryPos(COvFileHandle* handle);
  static bool SeekBigFileEntry(COvFileHandle* handle, int offset, ESeekOrigin origin);
  static int GetBigFileEntrySize(COvFileHandle* handle);
  static EOvFileSystemError AsyncReadBigFileEntry(COvFileHandle* handle, void* buffer, int n);

  static bool m_bSwapDWORDOnWrite;
};
