// Bounds-checked access to binary data in memory. COvByteCursor reads little-endian integers,
// floats, raw bytes and NUL-terminated texts from a buffer it does not own; COvByteWriter
// writes the same kinds of values into a caller's buffer of fixed capacity, optionally with
// every integer byte-reversed (for big-endian targets). Neither ever touches memory outside
// its buffer: a value that does not fit is not read or written at all, the call returns false
// and a sticky failure flag is raised, so a run of reads can be checked once at the end.
#pragma once

#include <cstdint>

#include "core/ovstring.h"

class COvByteCursor {
 public:
  // data may be null only with size 0; a negative size counts as 0.
  COvByteCursor(const void* data, int size);

  int GetSize() const { return m_iSize; }
  int GetPosition() const { return m_iPosition; }
  int GetRemaining() const { return m_iSize - m_iPosition; }
  bool AtEnd() const { return m_iPosition >= m_iSize; }
  // True once any read, seek or skip has failed; stays set until ClearFailure.
  bool HasFailed() const { return m_bFailed; }
  void ClearFailure() { m_bFailed = false; }

  // Moves to an absolute position in [0, size]; anything else fails and leaves it unchanged.
  bool Seek(int position);
  // Advances by n bytes (n >= 0) when that many remain; otherwise fails and does not move.
  bool Skip(int n);

  // Copies min(n, remaining) bytes and advances by that count; returns it (0 for n < 1 or a
  // null dst). A short count is a short result, not a failure.
  int Read(void* dst, int n);
  // All-or-nothing: copies exactly n bytes, or copies nothing and fails.
  bool ReadBytes(void* dst, int n);
  // The next n bytes in place (cursor advanced past them), or null when fewer remain.
  const uint8_t* Take(int n);

  // Little-endian values. On failure the value is set to 0 and the cursor does not move.
  bool ReadU8(uint8_t& value);
  bool ReadS8(int8_t& value);
  bool ReadU16(uint16_t& value);
  bool ReadS16(int16_t& value);
  bool ReadU32(uint32_t& value);
  bool ReadS32(int32_t& value);
  bool ReadU64(uint64_t& value);
  bool ReadS64(int64_t& value);
  bool ReadF32(float& value);

  // Reads a text up to its NUL and moves past the NUL. Returns false (and raises the failure
  // flag) when the data ends before a NUL (text receives what was there, the cursor ends at
  // the end) or when the text is longer than maxLength characters (maxLength >= 0; text
  // receives the first maxLength characters and the cursor still moves past the whole text
  // and its NUL, so the fields after it stay readable).
  bool ReadString(COvString& text, int maxLength = -1);

 private:
  template <typename T>
  bool ReadInteger(T& value);

  const uint8_t* m_pData;
  int m_iSize;
  int m_iPosition = 0;
  bool m_bFailed = false;
};

class COvByteWriter {
 public:
  // dst may be null only with capacity 0; a negative capacity counts as 0.
  COvByteWriter(void* dst, int capacity, bool swapEndian = false);

  int GetCapacity() const { return m_iCapacity; }
  // Bytes written so far (the write position).
  int GetSize() const { return m_iPosition; }
  int GetRemaining() const { return m_iCapacity - m_iPosition; }
  bool HasFailed() const { return m_bFailed; }

  // Moves the write position within [0, capacity]; bytes already written stay.
  bool Seek(int position);

  // All-or-nothing: writes n bytes, or nothing when they do not fit.
  bool WriteBytes(const void* src, int n);
  // Integers are written little-endian, or big-endian when swapEndian was given.
  bool WriteU8(uint8_t value);
  bool WriteU16(uint16_t value);
  bool WriteU32(uint32_t value);
  bool WriteU64(uint64_t value);
  bool WriteS32(int32_t value) { return WriteU32(static_cast<uint32_t>(value)); }
  bool WriteS64(int64_t value) { return WriteU64(static_cast<uint64_t>(value)); }
  bool WriteF32(float value);
  // Writes the characters and a NUL (a null text writes just the NUL).
  bool WriteString(const char* text);

 private:
  bool WriteInteger(uint64_t value, int bytes);

  uint8_t* m_pData;
  int m_iCapacity;
  int m_iPosition = 0;
  bool m_bSwapEndian;
  bool m_bFailed = false;
};
