// COvSerialLoader: reading a layout through COvByteCursor.
#include "engine/serializer/ovserialloader.h"

#include <vector>

COvSerialLoader::COvSerialLoader(const void* buffer, unsigned int length)
    : COvSerialBuffer(buffer, length), m_Cursor(buffer, static_cast<int>(getLength())) {}

void COvSerialLoader::Copy(void* value, unsigned int size) {
  m_Cursor.ReadBytes(value, static_cast<int>(size));
}

int COvSerialLoader::Serialize(TOvString<char>& value) {
  unsigned int length = 0;
  if (!Serialize(length) || !Fits(length)) return 0;
  std::vector<char> text(length + 1, '\0');
  Transfer(text.data(), length);
  // TOvString stops at a 0 byte inside the text, as any C text would.
  value = TOvString<char>(text.data());
  return 1;
}
