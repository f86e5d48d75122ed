// COvSerialLoader: reads a layout from a caller's buffer. A value that is not wholly in the
// buffer is not read (the argument keeps its value); the loader is then overflowed and every
// later call fails at once, so one test at the end tells a complete read from a short one.
#pragma once

#include "core/ovbytecursor.h"
#include "engine/serializer/ovserializer.h"

class COvSerialLoader : public IOvSerializer {
 public:
  // buffer stays the caller's and must hold length bytes.
  COvSerialLoader(const void* buffer, unsigned int length);

  // A text longer than the bytes left overflows the loader before anything is allocated.
  // A length of 0 gives the empty text.
  int Serialize(TOvString<char>& value) override;
  int Serialize(float& value) override;
  int Serialize(int& value) override;
  int Serialize(unsigned int& value) override;
  int Serialize(char& value) override;
  int Serialize(unsigned char& value) override;
  int Expect(uint64_t bytes) override;

  unsigned int getLength() const { return m_uLength; }
  // Bytes not read yet.
  unsigned int getFlow() const { return static_cast<unsigned int>(m_Cursor.GetRemaining()); }
  bool hasOverflowed() const { return m_bOverflowed; }

 private:
  int Get(void* value, unsigned int size);

  unsigned int m_uLength;
  COvByteCursor m_Cursor;
  bool m_bOverflowed = false;
};
