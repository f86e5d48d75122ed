// COvFileHandleCached: a read cache over a file opened through COvFileSystemUnCached. Reads
// are served from eight 8192-byte slots that each hold one window of the file; large reads
// bypass them. A compressed engine file (see OvIsCompressed) is loaded whole when opened and
// read through a memory decompressor instead: positions and sizes are then those of the
// uncompressed data. The handle is driven through its own methods (the file system's routing
// treats it as a foreign handle type).
#pragma once

#include <cstdint>

#include "bigfile/ovmemorydecompressor.h"
#include "core/ovfilehandle.h"

class COvFileHandleCached : public COvFileHandle {
 public:
  static constexpr int kSlotCount = 8;
  static constexpr int kSlotSize = 8192;
  static constexpr int kHeaderSize = 32;
  // Returned by Read when the file gave fewer bytes than it had when opened.
  static constexpr int kReadShortRefill = -5;

  COvFileHandleCached() = default;
  // Closes the file when still open and frees the slot buffers.
  ~COvFileHandleCached() override;

  int GetType() const override { return eOvFileHandleType_Cached; }
  const COvString& GetName() const override { return m_strName; }
  int GetOpenMode() const override { return m_iOpenMode; }

  // As COvFileSystemUnCached::Open; 3 when this handle is already open. The first 32 bytes of
  // a file at least that long are kept as its header (see GetHeader).
  EOvFileSystemError Open(const char* name, int mode, bool useBigFiles);
  // 4 when not open; otherwise the result of closing the underlying file.
  EOvFileSystemError Close();
  bool IsOpened() const { return m_pFile != nullptr; }

  // Copies up to n bytes from the current position (fewer at the end of the file) and returns
  // the count; 0 when closed or for n < 1; kReadShortRefill when the file turned out shorter
  // than when it was opened.
  int Read(void* buffer, int n);
  // Moves the read position; false when closed or outside [0, size]. In a compressed file a
  // backward move decodes again from the start, and a position the damaged stream cannot
  // reach gives false.
  bool SeekStart(int position);
  // Writes at the current position through the underlying file (a handle opened for writing)
  // and drops the cached data; returns the count as COvFileSystemUnCached::Write. Nothing is
  // written to a compressed file (0).
  int Write(const void* buffer, int n);

  int FilePos() const;
  // Bytes left after the current position.
  int EndOfFile() const;
  int GetSize() const { return m_iFileSize; }
  bool IsCompressed() const { return m_pCompressed != nullptr; }
  // The first kHeaderSize bytes of the file; zeros when the file is shorter.
  const uint8_t* GetHeader() const { return m_aHeader; }

 private:
  struct Slot {
    uint8_t* storage = nullptr;  // allocation, with slack for the alignment below
    uint8_t* data = nullptr;     // 64-byte aligned start inside storage
    int filePos = 0;             // file position of data[0]
    int valid = 0;               // bytes of data that hold file content
    int offset = 0;              // next byte to hand out
    int pendingSeek = -1;        // position to fill from on the next read, -1 for none
    uint32_t lastUse = 0;        // use counter when last filled or used; 0 = never used
  };

  void ResetSlots();
  // Makes slot the current one, positioned at position, to be filled on the next read.
  void Aim(int slot, int position);
  bool EnsureBuffer(Slot& slot);
  // The compressed-file side of Open, Read and SeekStart.
  void OpenCompressed();
  int ReadCompressed(uint8_t* out, int n);
  bool SeekCompressed(int position);
  void ReleaseCompressed();

  COvFileHandle* m_pFile = nullptr;
  int m_iFileSize = 0;
  int m_iCurrent = 0;
  uint32_t m_uUseCounter = 0;
  Slot m_aSlots[kSlotCount];
  COvString m_strName;
  int m_iOpenMode = 0;
  uint8_t m_aHeader[kHeaderSize] = {};
  uint8_t* m_pCompressed = nullptr;  // the file after its header, for a compressed file
  int m_iCompressedSize = 0;
  int m_iPosition = 0;  // position in the uncompressed data
  COvMemoryDecompressor m_Decompressor;
};
