// COvFile: typed reads and writes over a file handle.
#include "core/ovfile.h"

#include <cstring>

#include "bigfile/ovcompressedfilereader.h"

namespace {

// First block for a compressed file: this many times its stream size, at least the minimum.
constexpr int kCompressedGrowthGuess = 8;
constexpr int kMinCompressedBlock = 1 << 20;

template <typename T>
EOvFileSystemError ReadValue(COvFile& file, T& value) {
  unsigned char bytes[sizeof(T)];
  if (file.Read(bytes, sizeof(T)) != static_cast<int>(sizeof(T))) {
    value = T();
    return eOvFileSystemError_Read;
  }
  std::memcpy(&value, bytes, sizeof(T));
  return eOvFileSystemError_None;
}

template <typename T>
EOvFileSystemError WriteValue(COvFile& file, T value) {
  return file.Write(&value, sizeof(T)) == static_cast<int>(sizeof(T)) ? eOvFileSystemError_None
                                                                      : eOvFileSystemError_Write;
}

}  // namespace

COvFile::~COvFile() {
  if (m_pHandle && m_bOwns) COvFileSystemUnCached::Close(m_pHandle);
}

EOvFileSystemError COvFile::Open(const char* name, int mode, bool useBigFiles) {
  if (m_pHandle) return eOvFileSystemError_AlreadyOpened;
  EOvFileSystemError result = COvFileSystemUnCached::Open(m_pHandle, name, mode, useBigFiles);
  if (result != eOvFileSystemError_None) {
    m_pHandle = nullptr;
    return result;
  }
  // A handle this file opened is its own, even when it once wrapped someone else's.
  m_bOwns = true;
  return result;
}

EOvFileSystemError COvFile::Close() {
  if (!m_pHandle) return eOvFileSystemError_Close;
  return COvFileSystemUnCached::Close(m_pHandle);
}

int COvFile::GetOpenMode() const { return m_pHandle ? m_pHandle->GetOpenMode() : 0; }

int COvFile::Read(void* buffer, int n) {
  if (n < 1) return 0;
  return COvFileSystemUnCached::Read(m_pHandle, buffer, n);
}

int COvFile::Write(const void* buffer, int n) { return COvFileSystemUnCached::Write(m_pHandle, buffer, n); }

EOvFileSystemError COvFile::ReadS8(int8_t& value) { return ReadValue(*this, value); }
EOvFileSystemError COvFile::ReadS16(int16_t& value) { return ReadValue(*this, value); }
EOvFileSystemError COvFile::ReadS32(int32_t& value) { return ReadValue(*this, value); }
EOvFileSystemError COvFile::ReadF32(float& value) { return ReadValue(*this, value); }
EOvFileSystemError COvFile::ReadS64(int64_t& value) { return ReadValue(*this, value); }

EOvFileSystemError COvFile::WriteS8(int value) { return WriteValue(*this, static_cast<int8_t>(value)); }
EOvFileSystemError COvFile::WriteS16(int value) { return WriteValue(*this, static_cast<int16_t>(value)); }
EOvFileSystemError COvFile::WriteS32(int32_t value) { return WriteValue(*this, value); }
EOvFileSystemError COvFile::WriteF32(float value) { return WriteValue(*this, value); }
EOvFileSystemError COvFile::WriteS64(int64_t value) { return WriteValue(*this, value); }

EOvFileSystemError COvFile::ReadString(COvString& text) {
  char buffer[kMaxStringLength + 1];
  int length = 0;
  EOvFileSystemError result = eOvFileSystemError_Read;
  for (;;) {
    char c;
    if (Read(&c, 1) != 1) break;
    if (c == 0) {
      result = eOvFileSystemError_None;
      break;
    }
    if (length == kMaxStringLength) {
      // One character too many: leave it for the next read.
      SeekFromCurrent(-1);
      break;
    }
    buffer[length++] = c;
  }
  buffer[length] = 0;
  text = length > 0 ? COvString(buffer, length) : COvString();
  return result;
}

EOvFileSystemError COvFile::WriteString(const COvString& text) {
  int length = text.GetLength();
  if (length > 0 && Write(text.GetBuffer(), length) != length) return eOvFileSystemError_Write;
  const char terminator = 0;
  return Write(&terminator, 1) == 1 ? eOvFileSystemError_None : eOvFileSystemError_Write;
}

int COvFile::GetPos() { return COvFileSystemUnCached::GetPos(m_pHandle); }
bool COvFile::SeekFromStart(int offset) { return COvFileSystemUnCached::SeekFromStart(m_pHandle, offset); }
bool COvFile::SeekFromCurrent(int offset) {
  return COvFileSystemUnCached::SeekFromCurrent(m_pHandle, offset);
}
bool COvFile::SeekFromEnd(int offset) { return COvFileSystemUnCached::SeekFromEnd(m_pHandle, offset); }
int COvFile::GetSize() { return COvFileSystemUnCached::GetSize(m_pHandle); }

EOvFileSystemError COvFile::AsyncRead(void* buffer, int n) {
  if (!m_pHandle) return eOvFileSystemError_Read;
  return COvFileSystemUnCached::AsyncRead(m_pHandle, buffer, n);
}

EOvFileSystemError COvFile::AsyncWrite(const void* buffer, int n) {
  if (!m_pHandle) return eOvFileSystemError_Write;
  return COvFileSystemUnCached::AsyncWrite(m_pHandle, buffer, n);
}

uint8_t* COvFile::ReadEntireFile(int& size) {
  size = 0;
  if (!m_pHandle) return nullptr;
  int total = 0;
  COvCompressedFileReader reader(*this, total);
  if (total <= 0) return nullptr;
  // A compressed file's header may promise more than its stream holds: the block starts at a
  // size the stream can plausibly fill and grows as the data comes.
  int capacity = total;
  if (reader.IsCompressed()) {
    int64_t guess = static_cast<int64_t>(reader.GetSourceLeft()) * kCompressedGrowthGuess;
    if (guess < kMinCompressedBlock) guess = kMinCompressedBlock;
    if (guess < capacity) capacity = static_cast<int>(guess);
  }
  uint8_t* data = new uint8_t[static_cast<size_t>(capacity)];
  int count = 0;
  while (count < total) {
    if (count == capacity) {
      int grown = capacity > total / 2 ? total : capacity * 2;
      uint8_t* larger = new uint8_t[static_cast<size_t>(grown)];
      std::memcpy(larger, data, static_cast<size_t>(count));
      delete[] data;
      data = larger;
      capacity = grown;
    }
    int got = reader.Read(data + count, capacity - count);
    if (got <= 0) break;
    count += got;
  }
  if (count == 0) {
    delete[] data;
    return nullptr;
  }
  size = count;
  return data;
}
