// COvCompressedFileReader: reads a file from its start, expanding it on the fly when it is a
// compressed engine file (the 32-byte header, then the LZMA properties and stream) and
// passing a plain file through unchanged. The source is read in 16 KiB blocks; large reads of
// a plain file go straight into the caller's buffer.
//
// A damaged file never makes the reader write past the caller's buffer: decoding stops and
// Read delivers fewer bytes. HasFailed then tells a damaged stream from a complete one.
#pragma once

#include <cstdint>

#include "bigfile/ovcompressedheader.h"

class COvFile;
class COvLzmaDecoder;

class COvCompressedFileReader {
 public:
  static constexpr int kBlockSize = 16384;

  // file must be open and outlive the reader, which moves its position. size receives the
  // uncompressed size: the header's for a compressed file, else the file's size. A header
  // size above the largest int is treated as damage (size 0, HasFailed).
  COvCompressedFileReader(COvFile& file, int& size);
  ~COvCompressedFileReader();
  COvCompressedFileReader(const COvCompressedFileReader&) = delete;
  COvCompressedFileReader& operator=(const COvCompressedFileReader&) = delete;

  // Delivers up to n bytes (never more than are left of the size) and returns the count;
  // fewer at the end of the data or of a damaged stream.
  int Read(void* dst, int n);
  // Forward only: skips to position by reading. False for a position behind the bytes
  // already delivered or beyond the data.
  bool SeekFromStart(int position);

  bool IsCompressed() const { return m_bCompressed; }
  // The first 32 bytes of a compressed file (zeros for a plain file).
  const uint8_t* GetHeader() const { return m_aHeader; }
  int GetSize() const { return m_iTotal; }
  int GetDelivered() const { return m_iTotal - m_iLeft; }
  // True when the compressed data was found damaged or ended before the size in its header.
  bool HasFailed() const { return m_bFailed; }
  // Source bytes not read yet (for plain files: not yet delivered or buffered).
  int GetSourceLeft() const { return m_iSourceLeft; }

 private:
  // Reads the next source block into the buffer; false when none is left.
  bool Refill();
  int ReadPlain(uint8_t* dst, int n);
  int ReadCompressed(uint8_t* dst, int n);

  COvFile& m_File;
  uint8_t m_aHeader[kOvCompressedHeaderSize] = {};
  bool m_bCompressed = false;
  bool m_bFailed = false;
  bool m_bEnded = false;
  COvLzmaDecoder* m_pDecoder = nullptr;
  uint8_t* m_pBuffer;
  int m_iBufferPos = 0;
  int m_iBufferFill = 0;
  int m_iSourceLeft = 0;
  int m_iLeft = 0;
  int m_iTotal = 0;
};
