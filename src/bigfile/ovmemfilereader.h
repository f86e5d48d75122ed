// COvMemFileReader: a read cursor over bytes in memory that it does not own. Every read is
// checked against the bytes left: a value that does not fit is not read (it comes back as 0,
// the call returns false and HasFailed becomes true), so damaged data can only give a short
// result. Values are little-endian, as the engine's files store them.
#pragma once

#include <cstdint>

#include "core/ovbytecursor.h"
#include "core/ovstring.h"

class COvMemFileReader {
 public:
  // data may be null only with size 0.
  COvMemFileReader(const void* data, int size) : m_Cursor(data, size) {}

  // Copies min(n, left) bytes and returns the count.
  int Read(void* dst, int n) { return m_Cursor.Read(dst, n); }
  bool ReadS8(int8_t& value) { return m_Cursor.ReadS8(value); }
  bool ReadS16(int16_t& value) { return m_Cursor.ReadS16(value); }
  bool ReadS32(int32_t& value) { return m_Cursor.ReadS32(value); }
  bool ReadU32(uint32_t& value) { return m_Cursor.ReadU32(value); }
  bool ReadF32(float& value) { return m_Cursor.ReadF32(value); }
  bool ReadS64(int64_t& value) { return m_Cursor.ReadS64(value); }
  bool ReadU64(uint64_t& value) { return m_Cursor.ReadU64(value); }
  // Takes the text up to the next NUL and skips the NUL. Without a NUL before the end, text
  // receives the rest of the data and the result is false.
  bool ReadString(COvString& text) { return m_Cursor.ReadString(text); }

  int GetRemaining() const { return m_Cursor.GetRemaining(); }
  int GetPosition() const { return m_Cursor.GetPosition(); }
  bool HasFailed() const { return m_Cursor.HasFailed(); }

 private:
  COvByteCursor m_Cursor;
};
