// COvMemoryDecompressor: the memory block fed to the shared LZMA decoder.
#include "bigfile/ovmemorydecompressor.h"

#include "bigfile/ovlzmadecoder.h"

COvMemoryDecompressor::~COvMemoryDecompressor() { Release(); }

bool COvMemoryDecompressor::Initialize(const void* data, int size, int outputLimit) {
  Release();
  m_pData = static_cast<const uint8_t*>(data);
  m_iSize = data && size > 0 ? size : 0;
  m_iOutputLimit = outputLimit;
  if (m_iSize < COvLzmaDecoder::kPropertiesSize) {
    m_bFailed = true;
    return false;
  }
  m_pDecoder = new COvLzmaDecoder;
  if (!m_pDecoder->Create(m_pData, outputLimit)) {
    m_bFailed = true;
    return false;
  }
  m_iInputPosition = COvLzmaDecoder::kPropertiesSize;
  return true;
}

void COvMemoryDecompressor::Release() {
  delete m_pDecoder;
  m_pDecoder = nullptr;
  m_pData = nullptr;
  m_iSize = m_iInputPosition = m_iOutputPosition = 0;
  m_iOutputLimit = -1;
  m_bEnded = m_bFailed = false;
}

int COvMemoryDecompressor::Step(int inLimit, uint8_t* out, int outSize, bool& progress) {
  progress = false;
  if (!m_pDecoder || m_bEnded || m_bFailed || outSize < 1) return 0;
  if (m_iOutputLimit >= 0 && outSize > m_iOutputLimit - m_iOutputPosition)
    outSize = m_iOutputLimit - m_iOutputPosition;
  if (outSize < 1) return 0;
  size_t used = 0, made = 0;
  COvLzmaDecoder::EResult result =
      m_pDecoder->Decode(m_pData + m_iInputPosition, static_cast<size_t>(inLimit), used, out,
                         static_cast<size_t>(outSize), made);
  m_iInputPosition += static_cast<int>(used);
  m_iOutputPosition += static_cast<int>(made);
  if (result == COvLzmaDecoder::eResultEnd) m_bEnded = true;
  if (result == COvLzmaDecoder::eResultError) m_bFailed = true;
  progress = used > 0 || made > 0;
  return static_cast<int>(made);
}

int COvMemoryDecompressor::DecompressOutputBytes(void* dst, int n) {
  if (!dst || n < 1) return 0;
  uint8_t* out = static_cast<uint8_t*>(dst);
  int done = 0;
  bool progress = true;
  while (done < n && progress) done += Step(m_iSize - m_iInputPosition, out + done, n - done, progress);
  return done;
}

int COvMemoryDecompressor::DecompressInputBytes(void* dst, int n, int outCapacity) {
  if (!dst || n < 0 || outCapacity < 1) return 0;
  int available = m_iSize - m_iInputPosition;
  int end = m_iInputPosition + (n < available ? n : available);
  uint8_t* out = static_cast<uint8_t*>(dst) + m_iOutputPosition;
  int done = 0;
  bool progress = true;
  while (done < outCapacity && progress)
    done += Step(end - m_iInputPosition, out + done, outCapacity - done, progress);
  return done;
}
