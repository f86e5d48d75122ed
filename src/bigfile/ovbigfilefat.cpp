// COvBigFileFAT: writing the table in one block and reading it through the byte cursor.
#include "bigfile/ovbigfilefat.h"

#include <climits>
#include <memory>

#include "core/ovbytecursor.h"
#include "core/ovfile.h"

void COvBigFileFAT::AddEntry(const COvBigFileEntry& entry) {
  m_Index.emplace(entry.GetCRC64(), m_aEntries.GetCount());
  m_aEntries.Add(entry);
}

int COvBigFileFAT::FindEntry(uint64_t crc) const {
  auto found = m_Index.find(crc);
  return found == m_Index.end() ? -1 : found->second;
}

void COvBigFileFAT::RemoveAll() {
  m_aEntries.RemoveAll();
  m_Index.clear();
}

int64_t COvBigFileFAT::ComputeSerialSize() const {
  int64_t size = 4;
  for (const COvBigFileEntry& entry : m_aEntries) size += kRecordOverhead + entry.GetStoredName().GetLength();
  return size;
}

bool COvBigFileFAT::SerialTo(COvFile& file, bool swapEndian) const {
  int64_t serialSize = ComputeSerialSize();
  if (serialSize > INT_MAX - 4) return false;
  int total = static_cast<int>(serialSize) + 4;
  std::unique_ptr<uint8_t[]> bytes(new uint8_t[static_cast<size_t>(total)]);
  COvByteWriter writer(bytes.get(), total, swapEndian);
  writer.WriteS32(static_cast<int32_t>(serialSize));
  writer.WriteS32(m_aEntries.GetCount());
  for (const COvBigFileEntry& entry : m_aEntries) {
    writer.WriteU64(entry.GetCRC64());
    writer.WriteString(entry.GetStoredName().GetBuffer());
    writer.WriteS32(entry.GetOffset() + 4);
    writer.WriteS32(entry.GetSize());
  }
  return !writer.HasFailed() && file.SeekFromStart(0) && file.Write(bytes.get(), total) == total;
}

bool COvBigFileFAT::SerialFrom(COvFile& file) {
  RemoveAll();
  int32_t serialSize = 0;
  int start = file.GetPos();
  int fileSize = file.GetSize();
  if (start < 0 || file.ReadS32(serialSize) != eOvFileSystemError_None) return false;
  if (serialSize < 4 || serialSize > static_cast<int64_t>(fileSize) - start - 4) return false;
  std::unique_ptr<uint8_t[]> bytes(new uint8_t[static_cast<size_t>(serialSize)]);
  if (file.Read(bytes.get(), serialSize) != serialSize) return false;
  COvByteCursor cursor(bytes.get(), serialSize);
  int32_t count = 0;
  cursor.ReadS32(count);
  if (count < 0 || count > (serialSize - 4) / kRecordOverhead) return false;
  for (int32_t i = 0; i < count; ++i) {
    uint64_t crc = 0;
    COvString name;
    int32_t offset = 0, size = 0;
    if (!cursor.ReadU64(crc) || !cursor.ReadString(name) || !cursor.ReadS32(offset) ||
        !cursor.ReadS32(size) || offset < 0 || size < 0) {
      RemoveAll();
      return false;
    }
    // Data past the end of the file are not there to read: the entry keeps what the file holds.
    if (offset > fileSize)
      size = 0;
    else if (size > fileSize - offset)
      size = fileSize - offset;
    AddEntry(COvBigFileEntry(crc, name.GetBuffer(), offset, size));
  }
  return true;
}
