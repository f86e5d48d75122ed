// COvFile: one open file handle with reads and writes of raw bytes, fixed-size values (in the
// host's byte order) and NUL-terminated texts. Every operation goes through
// COvFileSystemUnCached, so a COvFile works the same on disk files and archive entries.
#pragma once

#include <cstdint>

#include "core/ovfilehandle.h"
#include "core/ovfilesystem.h"
#include "core/ovstring.h"

class COvFile {
 public:
  // Longest text ReadString takes before its terminator.
  static constexpr int kMaxStringLength = 4095;

  // A closed file that will own the handles it opens.
  COvFile() = default;
  // Wraps a handle someone else opened; it is not closed by the destructor.
  explicit COvFile(COvFileHandle* handle) : m_pHandle(handle), m_bOwns(false) {}
  COvFile(const COvFile&) = delete;
  COvFile& operator=(const COvFile&) = delete;
  // Closes the handle when it is owned.
  virtual ~COvFile();

  // 3 when a handle is already held (that file stays open); otherwise as
  // COvFileSystemUnCached::Open.
  EOvFileSystemError Open(const char* name, int mode, bool useBigFiles);
  // 4 without a handle; otherwise as COvFileSystemUnCached::Close.
  EOvFileSystemError Close();
  bool IsOpened() const { return m_pHandle != nullptr; }
  // Null when closed. Still owned by this file when it opened it.
  COvFileHandle* GetHandle() const { return m_pHandle; }
  // 0 when closed.
  int GetOpenMode() const;

  // Byte counts as COvFileSystemUnCached::Read / Write (Read of n < 1 touches nothing).
  int Read(void* buffer, int n);
  int Write(const void* buffer, int n);

  // 0, or 7 when fewer bytes came (the value is then 0).
  EOvFileSystemError ReadS8(int8_t& value);
  EOvFileSystemError ReadS16(int16_t& value);
  EOvFileSystemError ReadS32(int32_t& value);
  EOvFileSystemError ReadF32(float& value);
  EOvFileSystemError ReadS64(int64_t& value);
  // Write the low 1 or 2 bytes of value, or all of it; 0, or 8 on a short write. The swap
  // flag of COvFileSystemUnCached applies (to complete 32-bit words only).
  EOvFileSystemError WriteS8(int value);
  EOvFileSystemError WriteS16(int value);
  EOvFileSystemError WriteS32(int32_t value);
  EOvFileSystemError WriteF32(float value);
  EOvFileSystemError WriteS64(int64_t value);

  // Reads a text up to and including its 0 byte; an empty text gives a null string. Result 0
  // when the terminator was read. At the end of the file: text holds what came before it,
  // result 7. After kMaxStringLength characters without a terminator: text holds them, the
  // position is right after them (the rest stays to be read) and the result is 7.
  EOvFileSystemError ReadString(COvString& text);
  // Writes the characters and one 0 byte; 0, or 8 when not everything was written.
  EOvFileSystemError WriteString(const COvString& text);

  int GetPos();
  bool SeekFromStart(int offset);
  bool SeekFromCurrent(int offset);
  bool SeekFromEnd(int offset);
  int GetSize();

  // 7 / 8 when closed; otherwise as COvFileSystemUnCached (carried out at once).
  EOvFileSystemError AsyncRead(void* buffer, int n);
  EOvFileSystemError AsyncWrite(const void* buffer, int n);
  EOvFileSystemError AsyncWait() { return eOvFileSystemError_None; }

  // Reads the whole file from its start into a new array owned by the caller (delete[]);
  // size receives the number of bytes read. A compressed engine file is expanded (see
  // COvCompressedFileReader); a damaged one gives the bytes decoded before the damage. Null
  // (size 0) when the file is closed or empty or nothing could be read.
  uint8_t* ReadEntireFile(int& size);

 private:
  COvFileHandle* m_pHandle = nullptr;
  bool m_bOwns = true;
};
