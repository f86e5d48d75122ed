// COvSerialSaver: writes a layout into a caller's buffer of fixed length. A value that does
// not fit is not written; the saver is then overflowed and every later call fails at once.
#pragma once

#include "core/ovbytecursor.h"
#include "engine/serializer/ovserializer.h"

class COvSerialSaver : public IOvSerializer {
 public:
  // buffer stays the caller's and must hold length bytes.
  COvSerialSaver(void* buffer, unsigned int length);

  int Serialize(TOvString<char>& value) override;
  int Serialize(float& value) override;
  int Serialize(int& value) override;
  int Serialize(unsigned int& value) override;
  int Serialize(char& value) override;
  int Serialize(unsigned char& value) override;

  unsigned int getLength() const { return m_uLength; }
  // Bytes not written yet.
  unsigned int getFlow() const { return m_uLength - static_cast<unsigned int>(m_Writer.GetSize()); }
  bool hasOverflowed() const { return m_bOverflowed; }

 private:
  int Put(const void* value, unsigned int size);

  unsigned int m_uLength;
  COvByteWriter m_Writer;
  bool m_bOverflowed = false;
};
