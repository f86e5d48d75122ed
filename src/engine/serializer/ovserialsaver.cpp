// COvSerialSaver: writing a layout through COvByteWriter.
#include "engine/serializer/ovserialsaver.h"

COvSerialSaver::COvSerialSaver(void* buffer, unsigned int length)
    : COvSerialBuffer(buffer, length), m_Writer(buffer, static_cast<int>(getLength())) {}

void COvSerialSaver::Copy(void* value, unsigned int size) {
  m_Writer.WriteBytes(value, static_cast<int>(size));
}

int COvSerialSaver::Serialize(TOvString<char>& value) {
  unsigned int length = static_cast<unsigned int>(value.GetLength());
  if (!Serialize(length)) return 0;
  // The text is only read: Transfer's copy goes from it into the buffer.
  return Transfer(const_cast<char*>(value.GetBuffer()), length);
}
