// COvSerialLoader: bounds-checked reading of a layout, through COvByteCursor.
#include "engine/serializer/ovserialloader.h"

#include <climits>

namespace {

// The byte cursor counts in int: a longer buffer is used up to the largest int.
int CursorSize(unsigned int length) { return length > INT_MAX ? INT_MAX : static_cast<int>(length); }

}  // namespace

COvSerialLoader::COvSerialLoader(const void* buffer, unsigned int length)
    : m_uLength(buffer ? static_cast<unsigned int>(CursorSize(length)) : 0),
      m_Cursor(buffer, static_cast<int>(m_uLength)) {}

int COvSerialLoader::Get(void* value, unsigned int size) {
  if (m_bOverflowed) return 0;
  if (size > getFlow() || !m_Cursor.ReadBytes(value, static_cast<int>(size))) {
    m_bOverflowed = true;
    return 0;
  }
  return 1;
}

int COvSerialLoader::Expect(uint64_t bytes) {
  if (m_bOverflowed) return 0;
  if (bytes > getFlow()) {
    m_bOverflowed = true;
    return 0;
  }
  return 1;
}

int COvSerialLoader::Serialize(TOvString<char>& value) {
  unsigned int length = 0;
  if (!Serialize(length)) return 0;
  if (!Expect(length)) return 0;
  const uint8_t* text = m_Cursor.Take(static_cast<int>(length));
  // TOvString stops at a 0 byte inside the text, as any C text would.
  value = length > 0 ? TOvString<char>(reinterpret_cast<const char*>(text), static_cast<int>(length))
                     : TOvString<char>();
  return 1;
}

int COvSerialLoader::Serialize(float& value) { return Get(&value, sizeof(value)); }
int COvSerialLoader::Serialize(int& value) { return Get(&value, sizeof(value)); }
int COvSerialLoader::Serialize(unsigned int& value) { return Get(&value, sizeof(value)); }
int COvSerialLoader::Serialize(char& value) { return Get(&value, sizeof(value)); }
int COvSerialLoader::Serialize(unsigned char& value) { return Get(&value, sizeof(value)); }
