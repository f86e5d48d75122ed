// COvBigFileGenerator: the table first, then the sources copied in 1 MiB pieces.
#include "bigfile/ovbigfilegenerator.h"

#include <climits>
#include <cstring>
#include <memory>

#include "core/ovcrc.h"
#include "core/ovfile.h"
#include "core/ovidentifier.h"

namespace {

constexpr int kCopyBlock = 1 << 20;

// Copies exactly size bytes of source (padding with zeros) to archive; false when the source
// did not give them all or the archive took fewer.
bool CopySource(const char* source, int size, COvFile& archive, uint8_t* block) {
  COvFile file;
  bool opened = file.Open(source, eOvFileSystemOpenMode_ReadBinary, false) == eOvFileSystemError_None;
  bool complete = opened && file.GetSize() == size;
  for (int done = 0; done < size;) {
    int piece = size - done < kCopyBlock ? size - done : kCopyBlock;
    int got = opened ? file.Read(block, piece) : 0;
    if (got < piece) {
      std::memset(block + (got > 0 ? got : 0), 0, static_cast<size_t>(piece - (got > 0 ? got : 0)));
      complete = false;
    }
    if (archive.Write(block, piece) != piece) return false;
    done += piece;
  }
  return complete;
}

}  // namespace

bool COvBigFileGenerator::AddFile(const char* sourcePath, const char* nameInArchive, uint64_t crc) {
  COvFile file;
  if (!sourcePath ||
      file.Open(sourcePath, eOvFileSystemOpenMode_ReadBinary, false) != eOvFileSystemError_None)
    return false;
  int size = file.GetSize();
  file.Close();
  const char* name = nameInArchive ? nameInArchive : "";
  int64_t end = m_FAT.ComputeSerialSize() + COvBigFileFAT::kRecordOverhead +
                static_cast<int64_t>(std::strlen(name)) + 4;
  for (int existing : m_aSizes) end += existing;
  if (end + size > INT_MAX) return false;
  m_FAT.AddEntry(COvBigFileEntry(crc, name, 0, size));
  m_aPaths.Add(COvString(sourcePath));
  m_aSizes.Add(size);
  UpdateAbsolutePos();
  return true;
}

bool COvBigFileGenerator::AddFile(const char* sourcePath, const char* nameInArchive) {
  const char* name = nameInArchive ? nameInArchive : "";
  return AddFile(sourcePath, name,
                 CreateCrc64_ToLower(name, static_cast<int>(std::strlen(name)), COvIdentifier::NULL_CRC64));
}

void COvBigFileGenerator::UpdateAbsolutePos() {
  int64_t position = m_FAT.ComputeSerialSize();
  for (int i = 0; i < m_FAT.GetNumEntries(); ++i) {
    COvBigFileEntry& entry = m_FAT.GetEntry(i);
    entry.SetOffset(static_cast<int>(position));
    position += entry.GetSize();
  }
}

bool COvBigFileGenerator::Save(const char* path, bool swapEndian, bool fatOnly) {
  COvFile archive;
  if (!path || archive.Open(path, eOvFileSystemOpenMode_WriteBinary, false) != eOvFileSystemError_None)
    return false;
  bool complete = m_FAT.SerialTo(archive, swapEndian);
  if (complete && !fatOnly) {
    std::unique_ptr<uint8_t[]> block(new uint8_t[kCopyBlock]);
    for (int i = 0; i < m_aPaths.GetCount(); ++i) {
      if (!CopySource(m_aPaths[i].GetBuffer(), m_aSizes[i], archive, block.get())) complete = false;
    }
  }
  return archive.Close() == eOvFileSystemError_None && complete;
}
