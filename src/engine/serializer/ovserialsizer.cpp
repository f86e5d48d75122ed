// COvSerialSizer: the byte count of a layout.
#include "engine/serializer/ovserializer.h"

int COvSerialSizer::Serialize(TOvString<char>& value) {
  m_uLength += 4 + static_cast<unsigned int>(value.GetLength());
  return 1;
}

int COvSerialSizer::Serialize(float&) {
  m_uLength += 4;
  return 1;
}

int COvSerialSizer::Serialize(int&) {
  m_uLength += 4;
  return 1;
}

int COvSerialSizer::Serialize(unsigned int&) {
  m_uLength += 4;
  return 1;
}

int COvSerialSizer::Serialize(char&) {
  m_uLength += 1;
  return 1;
}

int COvSerialSizer::Serialize(unsigned char&) {
  m_uLength += 1;
  return 1;
}
