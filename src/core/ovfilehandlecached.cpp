// COvFileHandleCached: eight cached windows over a file, least recently used replaced first.
#include "core/ovfilehandlecached.h"

#include <cstring>

#include "bigfile/ovcompressedheader.h"
#include "core/ovfilesystem.h"

namespace {

constexpr int kAlignment = 64;

int Min(int a, int b) { return a < b ? a : b; }

}  // namespace

COvFileHandleCached::~COvFileHandleCached() {
  if (m_pFile) Close();
  for (Slot& slot : m_aSlots) delete[] slot.storage;
}

EOvFileSystemError COvFileHandleCached::Open(const char* name, int mode, bool useBigFiles) {
  if (m_pFile) return eOvFileSystemError_AlreadyOpened;
  COvFileHandle* file = nullptr;
  EOvFileSystemError result = COvFileSystemUnCached::Open(file, name, mode, useBigFiles);
  if (result != eOvFileSystemError_None) return result;
  m_pFile = file;
  m_strName = name;
  m_iOpenMode = mode;
  m_iFileSize = COvFileSystemUnCached::GetSize(file);
  std::memset(m_aHeader, 0, sizeof m_aHeader);
  if (m_iFileSize >= kHeaderSize) {
    if (COvFileSystemUnCached::Read(file, m_aHeader, kHeaderSize) == kHeaderSize &&
        OvIsCompressed(m_aHeader, kHeaderSize))
      OpenCompressed();
    else
      COvFileSystemUnCached::SeekFromStart(file, 0);
  }
  ResetSlots();
  return eOvFileSystemError_None;
}

void COvFileHandleCached::OpenCompressed() {
  m_iCompressedSize = m_iFileSize - kHeaderSize;
  m_pCompressed = new uint8_t[static_cast<size_t>(m_iCompressedSize) + 1];
  m_iCompressedSize = COvFileSystemUnCached::Read(m_pFile, m_pCompressed, m_iCompressedSize);
  uint32_t declared = OvReadCompressedSize(m_aHeader);
  // A size no int can hold is damage: such a file reads as empty.
  m_iFileSize = declared > 0x7FFFFFFFu ? 0 : static_cast<int>(declared);
  m_iPosition = 0;
  m_Decompressor.Initialize(m_pCompressed, m_iCompressedSize, m_iFileSize);
}

void COvFileHandleCached::ReleaseCompressed() {
  m_Decompressor.Release();
  delete[] m_pCompressed;
  m_pCompressed = nullptr;
  m_iCompressedSize = m_iPosition = 0;
}

int COvFileHandleCached::ReadCompressed(uint8_t* out, int n) {
  int left = m_iFileSize - m_iPosition;
  int got = m_Decompressor.DecompressOutputBytes(out, n < left ? n : left);
  m_iPosition += got;
  return got;
}

bool COvFileHandleCached::SeekCompressed(int position) {
  if (position < m_iPosition) {
    m_Decompressor.Initialize(m_pCompressed, m_iCompressedSize, m_iFileSize);
    m_iPosition = 0;
  }
  uint8_t scratch[1024];
  while (m_iPosition < position) {
    int step = position - m_iPosition;
    if (ReadCompressed(scratch, step < 1024 ? step : 1024) <= 0) return false;
  }
  return true;
}

EOvFileSystemError COvFileHandleCached::Close() {
  if (!m_pFile) return eOvFileSystemError_Close;
  ReleaseCompressed();
  EOvFileSystemError result = COvFileSystemUnCached::Close(m_pFile);
  // A handle the file system could not close is still ours to release.
  delete m_pFile;
  m_pFile = nullptr;
  m_iFileSize = 0;
  ResetSlots();
  return result;
}

void COvFileHandleCached::ResetSlots() {
  for (Slot& slot : m_aSlots) {
    slot.filePos = slot.valid = slot.offset = 0;
    slot.pendingSeek = -1;
    slot.lastUse = 0;
  }
  m_uUseCounter = 0;
  m_iCurrent = 0;
  m_aSlots[0].pendingSeek = 0;
}

void COvFileHandleCached::Aim(int slot, int position) {
  Slot& target = m_aSlots[slot];
  target.pendingSeek = position;
  target.lastUse = ++m_uUseCounter;
  m_iCurrent = slot;
}

bool COvFileHandleCached::EnsureBuffer(Slot& slot) {
  if (slot.data) return true;
  slot.storage = new uint8_t[kSlotSize + kAlignment];
  uintptr_t address = reinterpret_cast<uintptr_t>(slot.storage);
  size_t shift = (kAlignment - address % kAlignment) % kAlignment;
  slot.data = slot.storage + shift;
  return true;
}

int COvFileHandleCached::Read(void* buffer, int n) {
  if (!m_pFile || !buffer || n < 1) return 0;
  uint8_t* out = static_cast<uint8_t*>(buffer);
  if (m_pCompressed) return ReadCompressed(out, n);
  Slot& slot = m_aSlots[m_iCurrent];
  if (slot.pendingSeek >= 0) {
    slot.filePos = slot.pendingSeek;
    slot.valid = slot.offset = 0;
    slot.pendingSeek = -1;
  }
  slot.lastUse = ++m_uUseCounter;

  int available = slot.valid - slot.offset;
  if (n <= available) {
    std::memcpy(out, slot.data + slot.offset, static_cast<size_t>(n));
    slot.offset += n;
    return n;
  }
  if (available > 0) std::memcpy(out, slot.data + slot.offset, static_cast<size_t>(available));
  int done = available;
  int position = slot.filePos + slot.valid;
  int remaining = Min(n - available, m_iFileSize - position);
  if (remaining <= 0) {
    slot.offset = slot.valid;
    return done;
  }

  if (remaining >= kSlotSize) {
    COvFileSystemUnCached::SeekFromStart(m_pFile, position);
    int got = COvFileSystemUnCached::Read(m_pFile, out + done, remaining);
    // The slot now stands empty right after the bytes handed out.
    slot.filePos = position + got;
    slot.valid = slot.offset = 0;
    return done + got;
  }

  EnsureBuffer(slot);
  int wanted = Min(kSlotSize, m_iFileSize - position);
  COvFileSystemUnCached::SeekFromStart(m_pFile, position);
  int got = COvFileSystemUnCached::Read(m_pFile, slot.data, wanted);
  slot.filePos = position;
  slot.valid = got;
  slot.offset = 0;
  if (got < wanted) return kReadShortRefill;
  std::memcpy(out + done, slot.data, static_cast<size_t>(remaining));
  slot.offset = remaining;
  return done + remaining;
}

bool COvFileHandleCached::SeekStart(int position) {
  if (!m_pFile || position < 0 || position > m_iFileSize) return false;
  if (m_pCompressed) return SeekCompressed(position);
  // A slot that already holds the position.
  for (int i = 0; i < kSlotCount; ++i) {
    Slot& slot = m_aSlots[i];
    if (slot.pendingSeek < 0 && slot.valid > 0 && position >= slot.filePos &&
        position < slot.filePos + slot.valid) {
      slot.offset = position - slot.filePos;
      slot.lastUse = ++m_uUseCounter;
      m_iCurrent = i;
      return true;
    }
  }
  // Else the used slot whose data starts nearest before the position (a stream moving
  // forward keeps its slot), else a slot never used, else the least recently used one.
  int chosen = -1;
  for (int i = 0; i < kSlotCount; ++i) {
    const Slot& slot = m_aSlots[i];
    int start = slot.pendingSeek >= 0 ? slot.pendingSeek : slot.filePos;
    if (slot.lastUse != 0 && start < position) {
      const Slot* best = chosen < 0 ? nullptr : &m_aSlots[chosen];
      int bestStart = !best ? -1 : best->pendingSeek >= 0 ? best->pendingSeek : best->filePos;
      if (!best || start > bestStart) chosen = i;
    }
  }
  for (int i = 0; chosen < 0 && i < kSlotCount; ++i) {
    if (m_aSlots[i].lastUse == 0) chosen = i;
  }
  if (chosen < 0) {
    chosen = 0;
    for (int i = 1; i < kSlotCount; ++i) {
      if (m_aSlots[i].lastUse < m_aSlots[chosen].lastUse) chosen = i;
    }
  }
  Aim(chosen, position);
  return true;
}

int COvFileHandleCached::Write(const void* buffer, int n) {
  if (!m_pFile || m_pCompressed) return 0;
  int position = FilePos();
  COvFileSystemUnCached::SeekFromStart(m_pFile, position);
  int written = COvFileSystemUnCached::Write(m_pFile, buffer, n);
  if (written <= 0) return written;
  int end = position + written;
  if (end > m_iFileSize) m_iFileSize = end;
  for (Slot& slot : m_aSlots) {
    slot.valid = slot.offset = 0;
    slot.pendingSeek = -1;
  }
  m_aSlots[m_iCurrent].pendingSeek = end;
  return written;
}

int COvFileHandleCached::FilePos() const {
  if (m_pCompressed) return m_iPosition;
  const Slot& slot = m_aSlots[m_iCurrent];
  return slot.pendingSeek >= 0 ? slot.pendingSeek : slot.filePos + slot.offset;
}

int COvFileHandleCached::EndOfFile() const {
  int left = m_iFileSize - FilePos();
  return left > 0 ? left : 0;
}
