// COvSerialLoader: reads a layout from a caller's buffer (see COvSerialBuffer for the bounds
// rule). A value that is not wholly in the buffer is not read: the argument keeps its value.
// So one test of hasOverflowed at the end tells a complete read from a short one.
#pragma once

#include "core/ovbytecursor.h"
#include "engine/serializer/ovserializer.h"

class COvSerialLoader : public COvSerialBuffer {
 public:
  // buffer stays the caller's and must hold length bytes.
  COvSerialLoader(const void* buffer, unsigned int length);

  using COvSerialBuffer::Serialize;
  // A text longer than the bytes left overflows the loader before anything is allocated.
  // A length of 0 gives the empty text.
  int Serialize(TOvString<char>& value) override;
  int Expect(uint64_t bytes) override { return Fits(bytes); }

 private:
  void Copy(void* value, unsigned int size) override;

  COvByteCursor m_Cursor;
};
