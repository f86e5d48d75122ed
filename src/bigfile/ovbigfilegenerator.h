// COvBigFileGenerator: builds a big-file archive from files on disk. Files are added with the
// name (and its CRC) under which they will be opened, and written in the order of addition.
#pragma once

#include <cstdint>

#include "bigfile/ovbigfilefat.h"
#include "core/ovarray.h"
#include "core/ovstring.h"

class COvBigFileGenerator {
 public:
  COvBigFileGenerator() = default;
  virtual ~COvBigFileGenerator() = default;

  // Records sourcePath's current size and appends an entry for it. For the archive to find
  // it, crc must be the identifier CRC of the name it will be opened by (CreateCrc64_ToLower
  // of it); the second form computes it from nameInArchive. False when the source cannot be
  // opened or the archive would pass 2 GB.
  bool AddFile(const char* sourcePath, const char* nameInArchive, uint64_t crc);
  bool AddFile(const char* sourcePath, const char* nameInArchive);
  // Writes the archive to path ("wb"): the table (byte-reversed with swapEndian, for
  // big-endian readers), then unless fatOnly each source's bytes. Each source contributes
  // exactly the size recorded by AddFile, so the offsets stay right: a source that cannot be
  // opened any more or has shrunk is padded with zeros, one that has grown is cut, and the
  // result is then false. False also when path cannot be written completely.
  bool Save(const char* path, bool swapEndian, bool fatOnly);

  const COvBigFileFAT& GetFAT() const { return m_FAT; }

 private:
  // Offsets counted from the byte after the table size field, in addition order.
  void UpdateAbsolutePos();

  COvBigFileFAT m_FAT;
  COvArray<COvString> m_aPaths;
  COvArray<int> m_aSizes;
};
