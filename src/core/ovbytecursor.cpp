// Bounds-checked binary reading and writing over memory buffers.
#include "core/ovbytecursor.h"

#include <cstring>

namespace {

uint64_t DecodeLittleEndian(const uint8_t* bytes, int count) {
  uint64_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes[i];
  return value;
}

}  // namespace

COvByteCursor::COvByteCursor(const void* data, int size)
    : m_pData(static_cast<const uint8_t*>(data)), m_iSize(data && size > 0 ? size : 0) {}

bool COvByteCursor::Seek(int position) {
  if (position < 0 || position > m_iSize) {
    m_bFailed = true;
    return false;
  }
  m_iPosition = position;
  return true;
}

bool COvByteCursor::Skip(int n) {
  if (n < 0 || n > GetRemaining()) {
    m_bFailed = true;
    return false;
  }
  m_iPosition += n;
  return true;
}

int COvByteCursor::Read(void* dst, int n) {
  if (!dst || n < 1) return 0;
  int count = n < GetRemaining() ? n : GetRemaining();
  if (count > 0) std::memcpy(dst, m_pData + m_iPosition, static_cast<size_t>(count));
  m_iPosition += count;
  return count;
}

bool COvByteCursor::ReadBytes(void* dst, int n) {
  if (n == 0) return true;
  if (!dst || n < 0 || n > GetRemaining()) {
    m_bFailed = true;
    return false;
  }
  std::memcpy(dst, m_pData + m_iPosition, static_cast<size_t>(n));
  m_iPosition += n;
  return true;
}

const uint8_t* COvByteCursor::Take(int n) {
  if (n < 0 || n > GetRemaining()) {
    m_bFailed = true;
    return nullptr;
  }
  // A zero-length take of an empty buffer still gives a usable (non-null) answer.
  static const uint8_t kNothing = 0;
  const uint8_t* bytes = m_pData ? m_pData + m_iPosition : &kNothing;
  m_iPosition += n;
  return bytes;
}

template <typename T>
bool COvByteCursor::ReadInteger(T& value) {
  const uint8_t* bytes = Take(static_cast<int>(sizeof(T)));
  value = bytes ? static_cast<T>(DecodeLittleEndian(bytes, static_cast<int>(sizeof(T)))) : T(0);
  return bytes != nullptr;
}

bool COvByteCursor::ReadU8(uint8_t& value) { return ReadInteger(value); }
bool COvByteCursor::ReadS8(int8_t& value) { return ReadInteger(value); }
bool COvByteCursor::ReadU16(uint16_t& value) { return ReadInteger(value); }
bool COvByteCursor::ReadS16(int16_t& value) { return ReadInteger(value); }
bool COvByteCursor::ReadU32(uint32_t& value) { return ReadInteger(value); }
bool COvByteCursor::ReadS32(int32_t& value) { return ReadInteger(value); }
bool COvByteCursor::ReadU64(uint64_t& value) { return ReadInteger(value); }
bool COvByteCursor::ReadS64(int64_t& value) { return ReadInteger(value); }

bool COvByteCursor::ReadF32(float& value) {
  uint32_t raw;
  bool ok = ReadU32(raw);
  std::memcpy(&value, &raw, sizeof value);
  return ok;
}

bool COvByteCursor::ReadString(COvString& text, int maxLength) {
  const uint8_t* begin = m_pData ? m_pData + m_iPosition : nullptr;
  int remaining = GetRemaining();
  int length = 0;
  while (length < remaining && begin[length] != 0) ++length;
  bool terminated = length < remaining;
  int kept = (maxLength >= 0 && length > maxLength) ? maxLength : length;
  text = kept > 0 ? COvString(reinterpret_cast<const char*>(begin), kept) : COvString();
  m_iPosition += terminated ? length + 1 : length;
  if (!terminated || kept < length) {
    m_bFailed = true;
    return false;
  }
  return true;
}

COvByteWriter::COvByteWriter(void* dst, int capacity, bool swapEndian)
    : m_pData(static_cast<uint8_t*>(dst)),
      m_iCapacity(dst && capacity > 0 ? capacity : 0),
      m_bSwapEndian(swapEndian) {}

bool COvByteWriter::Seek(int position) {
  if (position < 0 || position > m_iCapacity) {
    m_bFailed = true;
    return false;
  }
  m_iPosition = position;
  return true;
}

bool COvByteWriter::WriteBytes(const void* src, int n) {
  if (n == 0) return true;
  if (!src || n < 0 || n > GetRemaining()) {
    m_bFailed = true;
    return false;
  }
  std::memcpy(m_pData + m_iPosition, src, static_cast<size_t>(n));
  m_iPosition += n;
  return true;
}

bool COvByteWriter::WriteInteger(uint64_t value, int bytes) {
  if (bytes > GetRemaining()) {
    m_bFailed = true;
    return false;
  }
  uint8_t* out = m_pData + m_iPosition;
  for (int i = 0; i < bytes; ++i) {
    uint8_t byte = static_cast<uint8_t>(value >> (8 * i));
    out[m_bSwapEndian ? bytes - 1 - i : i] = byte;
  }
  m_iPosition += bytes;
  return true;
}

bool COvByteWriter::WriteU8(uint8_t value) { return WriteInteger(value, 1); }
bool COvByteWriter::WriteU16(uint16_t value) { return WriteInteger(value, 2); }
bool COvByteWriter::WriteU32(uint32_t value) { return WriteInteger(value, 4); }
bool COvByteWriter::WriteU64(uint64_t value) { return WriteInteger(value, 8); }

bool COvByteWriter::WriteF32(float value) {
  uint32_t raw;
  std::memcpy(&raw, &value, sizeof raw);
  return WriteU32(raw);
}

bool COvByteWriter::WriteString(const char* text) {
  int length = text ? ovStrlen(text) : 0;
  if (length + 1 > GetRemaining()) {
    m_bFailed = true;
    return false;
  }
  return WriteBytes(text, length) && WriteU8(0);
}
