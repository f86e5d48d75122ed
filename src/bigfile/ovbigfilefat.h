// COvBigFileFAT: the table of entries at the start of a big-file archive.
//
// Layout (little-endian; a generator may write it byte-reversed for big-endian readers): the
// table size S (the bytes after this field up to the first data byte, 4 + the sum of the
// records), the entry count, then per entry its CRC (u64), its NUL-terminated name, the
// absolute offset of its data (s32) and its size (s32). The entries' data follow, in table
// order, without padding.
#pragma once

#include <cstdint>
#include <unordered_map>

#include "bigfile/ovbigfileentry.h"
#include "core/ovarray.h"

class COvFile;

class COvBigFileFAT {
 public:
  // Bytes of a record besides its name: CRC, terminator, offset, size.
  static constexpr int kRecordOverhead = 17;

  COvBigFileFAT() = default;
  virtual ~COvBigFileFAT() = default;

  // Appends a copy.
  void AddEntry(const COvBigFileEntry& entry);
  int GetNumEntries() const { return m_aEntries.GetCount(); }
  // index must be in 0 .. GetNumEntries() - 1.
  COvBigFileEntry& GetEntry(int index) { return m_aEntries[index]; }
  const COvBigFileEntry& GetEntry(int index) const { return m_aEntries[index]; }
  // Index of the first entry with that CRC, or -1.
  int FindEntry(uint64_t crc) const;
  void RemoveAll();

  // S: 4 + the sum over entries of (17 + name length); 4 for an empty table.
  int64_t ComputeSerialSize() const;
  // Writes the size field and the table at the start of file and leaves the position after
  // it. The stored offsets are the entries' offsets + 4 (the in-memory offsets count from the
  // byte after the size field). False when the table cannot be written completely.
  bool SerialTo(COvFile& file, bool swapEndian) const;
  // Replaces the entries with the table read from the current position of file (never
  // byte-swapped). False, with an empty table, when the table is damaged: a size or count
  // the file cannot hold, a name without its terminator inside the table, a negative offset
  // or size. An entry whose data run past the end of the file is cut to the bytes the file
  // holds (size 0 for an offset past the end), so it reads short.
  bool SerialFrom(COvFile& file);

 private:
  COvArray<COvBigFileEntry> m_aEntries;
  std::unordered_map<uint64_t, int> m_Index;  // CRC -> first entry with it
};
