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
  int Serialize(TOvString<char>& value) override {
    return Add(4 + static_cast<unsigned int>(value.GetLength()));
  }
  int Serialize(float&) override { return Add(4); }
  int Serialize(int&) override { return Add(4); }
  int Serialize(unsigned int&) override { return Add(4); }
  int Serialize(char&) override { return Add(1); }
  int Serialize(unsigned char&) override { return Add(1); }

  unsigned int GetLength() const { return m_uLength; }

 private:
  int Add(unsigned int bytes) {
    m_uLength += bytes;
    return 1;
  }

  unsigned int m_uLength = 0;
};

// What the saver and the loader share: a caller's buffer of fixed length, the bytes done, and
// the bounds rule. A value that does not fit in what is left is not copied; the serializer is
// then overflowed and every later call fails at once.
class COvSerialBuffer : public IOvSerializer {
 public:
  int Serialize(float& value) override { return Transfer(&value, sizeof(value)); }
  int Serialize(int& value) override { return Transfer(&value, sizeof(value)); }
  int Serialize(unsigned int& value) override { return Transfer(&value, sizeof(value)); }
  int Serialize(char& value) override { return Transfer(&value, sizeof(value)); }
  int Serialize(unsigned char& value) override { return Transfer(&value, sizeof(value)); }
  using IOvSerializer::Serialize;

  unsigned int getLength() const { return m_uLength; }
  // Bytes not done yet.
  unsigned int getFlow() const { return m_uLength - m_uDone; }
  bool hasOverflowed() const { return m_bOverflowed; }

 protected:
  // A null buffer has length 0; a length past the largest int is cut to it.
  COvSerialBuffer(const void* buffer, unsigned int length);

  // The bounds rule around Copy; 1 when the value was copied.
  int Transfer(void* value, unsigned int size);
  // 1 when size more bytes fit; otherwise the serializer overflows.
  int Fits(uint64_t size);
  // Copies size bytes between value and the buffer at the cursor (checked to fit).
  virtual void Copy(void* value, unsigned int size) = 0;
  unsigned int GetDone() const { return m_uDone; }

 private:
  unsigned int m_uLength;
  unsigned int m_uDone = 0;
  bool m_bOverflowed = false;
};
