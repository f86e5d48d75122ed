// COvSerialSaver: writes a layout into a caller's buffer of fixed length (see COvSerialBuffer
// for the bounds rule).
#pragma once

#include "core/ovbytecursor.h"
#include "engine/serializer/ovserializer.h"

class COvSerialSaver : public COvSerialBuffer {
 public:
  // buffer stays the caller's and must hold length bytes.
  COvSerialSaver(void* buffer, unsigned int length);

  using COvSerialBuffer::Serialize;
  int Serialize(TOvString<char>& value) override;

 private:
  void Copy(void* value, unsigned int size) override;

  COvByteWriter m_Writer;
};
