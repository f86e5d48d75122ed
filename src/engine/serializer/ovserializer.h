// IOvSerializer: one routine per data structure describes its binary layout once and runs it
// over a serializer, which measures (COvSerialSizer), writes (COvSerialSaver) or reads
// (COvSerialLoader) each field in turn. Values travel in the host's byte order; a text is a
// 32-bit length followed by its characters, without terminator.
#pragma once

#include <cstdint>

#include "core/ovstring.h"

class IOvSerializer {
 public:
  virtual ~IOvSerializer() = default;

  // Each returns 1 when the value was measured, written or read, 0 otherwise. A loader
  // overwrites the argument; the others only look at it.
  virtual int Serialize(TOvString<char>& value) = 0;
  virtual int Serialize(float& value) = 0;
  virtual int Serialize(int& value) = 0;
  virtual int Serialize(unsigned int& value) = 0;
  virtual int Serialize(char& value) = 0;
  virtual int Serialize(unsigned char& value) = 0;

  // Asked by a layout before it allocates memory for a count it has just read: 1 when at
  // least `bytes` more bytes can still come. A loader answers from the bytes it has left and
  // marks itself overflowed when they are too few, so a damaged count never turns into a
  // huge allocation. Serializers that do not read always answer 1.
  virtual int Expect(uint64_t bytes) {
    (void)bytes;
    return 1;
  }
};

// Counts the bytes a layout takes: 1 per char, 4 per int, unsigned or float, 4 plus the length
// per text. Never fails.
class COvSerialSizer : public IOvSerializer {
 public:
  int Serialize(TOvString<char>& value) override;
  int Serialize(float& value) override;
  int Serialize(int& value) override;
  int Serialize(unsigned int& value) override;
  int Serialize(char& value) override;
  int Serialize(unsigned char& value) override;

  unsigned int GetLength() const { return m_uLength; }

 private:
  unsigned int m_uLength = 0;
};
