// COvSerialBuffer: the bounds rule shared by the saver and the loader.
#include <climits>

#include "engine/serializer/ovserializer.h"

COvSerialBuffer::COvSerialBuffer(const void* buffer, unsigned int length)
    : m_uLength(!buffer            ? 0
                : length > INT_MAX ? INT_MAX
                                   : length) {}

int COvSerialBuffer::Fits(uint64_t size) {
  if (m_bOverflowed) return 0;
  if (size > getFlow()) {
    m_bOverflowed = true;
    return 0;
  }
  return 1;
}

int COvSerialBuffer::Transfer(void* value, unsigned int size) {
  if (!Fits(size)) return 0;
  Copy(value, size);
  m_uDone += size;
  return 1;
}
