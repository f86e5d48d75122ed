// COvCompressedFileReader: block reads of the source, LZMA decoding straight into the
// caller's buffer.
#include "bigfile/ovcompressedfilereader.h"

#include <climits>
#include <cstring>

#include "bigfile/ovlzmadecoder.h"
#include "core/ovfile.h"

namespace {

constexpr int kProbeSize = kOvCompressedHeaderSize + COvLzmaDecoder::kPropertiesSize;

int Min(int a, int b) { return a < b ? a : b; }

}  // namespace

COvCompressedFileReader::COvCompressedFileReader(COvFile& file, int& size)
    : m_File(file), m_pBuffer(new uint8_t[kBlockSize]) {
  int fileSize = file.GetSize();
  m_iSourceLeft = m_iLeft = m_iTotal = fileSize > 0 ? fileSize : 0;
  file.SeekFromStart(0);
  int got = m_iSourceLeft > 0 ? file.Read(m_pBuffer, Min(kProbeSize, m_iSourceLeft)) : 0;
  if (got == kProbeSize && OvIsCompressed(m_pBuffer, got)) {
    m_bCompressed = true;
    std::memcpy(m_aHeader, m_pBuffer, kOvCompressedHeaderSize);
    uint32_t declared = OvReadCompressedSize(m_aHeader);
    m_iSourceLeft -= kProbeSize;
    m_pDecoder = new COvLzmaDecoder;
    if (declared > static_cast<uint32_t>(INT_MAX) ||
        !m_pDecoder->Create(m_pBuffer + kOvCompressedHeaderSize, declared)) {
      m_bFailed = true;
      declared = 0;
    }
    m_iLeft = m_iTotal = static_cast<int>(declared);
  } else {
    m_iBufferFill = got;
    m_iSourceLeft -= got;
  }
  size = m_iTotal;
}

COvCompressedFileReader::~COvCompressedFileReader() {
  delete m_pDecoder;
  delete[] m_pBuffer;
}

bool COvCompressedFileReader::Refill() {
  m_iBufferPos = m_iBufferFill = 0;
  if (m_iSourceLeft <= 0) return false;
  int got = m_File.Read(m_pBuffer, Min(kBlockSize, m_iSourceLeft));
  if (got <= 0) {
    // The file is shorter than it was: nothing more will come.
    m_iSourceLeft = 0;
    return false;
  }
  m_iSourceLeft -= got;
  m_iBufferFill = got;
  return true;
}

int COvCompressedFileReader::Read(void* dst, int n) {
  if (!dst || n < 1 || m_iLeft <= 0) return 0;
  n = Min(n, m_iLeft);
  uint8_t* out = static_cast<uint8_t*>(dst);
  int done = m_bCompressed ? ReadCompressed(out, n) : ReadPlain(out, n);
  m_iLeft -= done;
  return done;
}

int COvCompressedFileReader::ReadPlain(uint8_t* out, int n) {
  int done = 0;
  while (done < n) {
    int buffered = m_iBufferFill - m_iBufferPos;
    if (buffered > 0) {
      int take = Min(buffered, n - done);
      std::memcpy(out + done, m_pBuffer + m_iBufferPos, static_cast<size_t>(take));
      m_iBufferPos += take;
      done += take;
      continue;
    }
    if (m_iSourceLeft <= 0) break;
    if (n - done >= kBlockSize) {
      // A large remainder goes straight to the caller, without the copy through the block.
      int got = m_File.Read(out + done, Min(n - done, m_iSourceLeft));
      if (got <= 0) {
        m_iSourceLeft = 0;
        break;
      }
      m_iSourceLeft -= got;
      done += got;
      continue;
    }
    if (!Refill()) break;
  }
  return done;
}

int COvCompressedFileReader::ReadCompressed(uint8_t* out, int n) {
  int done = 0;
  while (done < n && !m_bEnded && !m_bFailed) {
    if (m_iBufferPos == m_iBufferFill && !Refill()) {
      // Input used up: let the decoder hand out what it still holds, then stop.
      size_t used = 0, made = 0;
      COvLzmaDecoder::EResult result =
          m_pDecoder->Decode(m_pBuffer, 0, used, out + done, static_cast<size_t>(n - done), made);
      done += static_cast<int>(made);
      if (result == COvLzmaDecoder::eResultError) m_bFailed = true;
      if (made == 0) break;
      continue;
    }
    size_t used = 0, made = 0;
    COvLzmaDecoder::EResult result =
        m_pDecoder->Decode(m_pBuffer + m_iBufferPos, static_cast<size_t>(m_iBufferFill - m_iBufferPos), used,
                           out + done, static_cast<size_t>(n - done), made);
    m_iBufferPos += static_cast<int>(used);
    done += static_cast<int>(made);
    if (result == COvLzmaDecoder::eResultEnd) m_bEnded = true;
    if (result == COvLzmaDecoder::eResultError) m_bFailed = true;
    if (used == 0 && made == 0) break;
  }
  // The stream stopped before the size its header gives.
  if (done < n) m_bFailed = true;
  return done;
}

bool COvCompressedFileReader::SeekFromStart(int position) {
  int delivered = GetDelivered();
  if (position < delivered || position > m_iTotal) return false;
  uint8_t scratch[256];
  while (delivered < position) {
    int got = Read(scratch, Min(static_cast<int>(sizeof scratch), position - delivered));
    if (got <= 0) return false;
    delivered += got;
  }
  return true;
}
