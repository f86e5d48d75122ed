// COvSerialSaver: bounds-checked writing of a layout, through COvByteWriter.
#include "engine/serializer/ovserialsaver.h"

#include <climits>

namespace {

// The byte writer counts in int: a longer buffer is used up to the largest int.
int WriterCapacity(unsigned int length) { return length > INT_MAX ? INT_MAX : static_cast<int>(length); }

}  // namespace

COvSerialSaver::COvSerialSaver(void* buffer, unsigned int length)
    : m_uLength(buffer ? static_cast<unsigned int>(WriterCapacity(length)) : 0),
      m_Writer(buffer, static_cast<int>(m_uLength)) {}

int COvSerialSaver::Put(const void* value, unsigned int size) {
  if (m_bOverflowed) return 0;
  if (size > getFlow() || !m_Writer.WriteBytes(value, static_cast<int>(size))) {
    m_bOverflowed = true;
    return 0;
  }
  return 1;
}

int COvSerialSaver::Serialize(TOvString<char>& value) {
  unsigned int length = static_cast<unsigned int>(value.GetLength());
  if (!Serialize(length)) return 0;
  return Put(value.GetBuffer(), length);
}

int COvSerialSaver::Serialize(float& value) { return Put(&value, sizeof(value)); }
int COvSerialSaver::Serialize(int& value) { return Put(&value, sizeof(value)); }
int COvSerialSaver::Serialize(unsigned int& value) { return Put(&value, sizeof(value)); }
int COvSerialSaver::Serialize(char& value) { return Put(&value, sizeof(value)); }
int COvSerialSaver::Serialize(unsigned char& value) { return Put(&value, sizeof(value)); }
