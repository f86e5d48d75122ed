// COvMemoryDecompressor: incremental LZMA decoding of a compressed memory block (the 5
// property bytes, then the raw stream), as COvMemoryCompressor writes it. The block is not
// owned and must stay valid until Release. Damaged data never makes it read outside the
// block or write outside the caller's buffer: decoding simply stops.
#pragma once

#include <cstdint>

class COvLzmaDecoder;

class COvMemoryDecompressor {
 public:
  COvMemoryDecompressor() = default;
  COvMemoryDecompressor(const COvMemoryDecompressor&) = delete;
  COvMemoryDecompressor& operator=(const COvMemoryDecompressor&) = delete;
  // Releases.
  virtual ~COvMemoryDecompressor();

  // Keeps data and starts a decoder from its property bytes. outputLimit, when known (>= 0),
  // is the most the stream may produce: output stops there. False (nothing decodes) when
  // size < 5 or the properties are invalid.
  bool Initialize(const void* data, int size, int outputLimit = -1);
  // Frees the decoder and forgets the data.
  void Release();

  // Produces up to n bytes into dst, consuming input as needed, and returns the count. Fewer
  // than n at the end of the stream (end mark, or the input used up), for damaged data (see
  // HasFailed) and after the output limit; 0 for n < 1.
  int DecompressOutputBytes(void* dst, int n);
  // Feeds up to n more input bytes and decodes them into dst + GetOutputPosition(), writing
  // at most outCapacity bytes there; returns the bytes produced. dst is the start of the
  // caller's whole output buffer, which grows by the returned count on each call.
  int DecompressInputBytes(void* dst, int n, int outCapacity);

  // Input bytes consumed so far, the 5 property bytes included.
  int GetInputPosition() const { return m_iInputPosition; }
  // Bytes produced so far.
  int GetOutputPosition() const { return m_iOutputPosition; }
  // True once the end mark was decoded.
  bool IsEndOfStream() const { return m_bEnded; }
  // True when the data was damaged (or there was no valid decoder).
  bool HasFailed() const { return m_bFailed; }

 private:
  // One decoding step over at most inLimit input bytes into out (outSize bytes).
  int Step(int inLimit, uint8_t* out, int outSize, bool& progress);

  const uint8_t* m_pData = nullptr;
  int m_iSize = 0;
  COvLzmaDecoder* m_pDecoder = nullptr;
  int m_iInputPosition = 0;
  int m_iOutputPosition = 0;
  int m_iOutputLimit = -1;
  bool m_bEnded = false;
  bool m_bFailed = false;
};
