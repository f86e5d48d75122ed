// COvLzmaDecoder: the incremental raw LZMA1 decoder shared by the memory decompressor, the
// compressed-file reader and the cached file handle. It keeps liblzma out of the public
// headers. Internal to the packed-data code.
#pragma once

#include <cstddef>
#include <cstdint>

class COvLzmaDecoder {
 public:
  // The standard LZMA header: the lc/lp/pb byte and the 32-bit dictionary size.
  static constexpr int kPropertiesSize = 5;
  // Largest dictionary allocated for a stream whose output size is not known; a damaged
  // header cannot make the decoder reserve more.
  static constexpr uint32_t kMaxDictionary = 64u << 20;

  enum EResult { eResultOk, eResultEnd, eResultError };

  COvLzmaDecoder();
  ~COvLzmaDecoder();
  COvLzmaDecoder(const COvLzmaDecoder&) = delete;
  COvLzmaDecoder& operator=(const COvLzmaDecoder&) = delete;

  // Starts a decoder for the stream described by properties (kPropertiesSize bytes). With
  // outputLimit >= 0 the dictionary is no larger than the output can be; otherwise it is at
  // most kMaxDictionary. False when the properties are invalid or memory is short.
  bool Create(const uint8_t* properties, int64_t outputLimit);
  bool IsCreated() const;

  // Decodes from in into out; inUsed and outMade receive the bytes consumed and produced.
  // eResultEnd once the end mark was decoded, eResultError for damaged data (or no decoder).
  EResult Decode(const uint8_t* in, size_t inSize, size_t& inUsed, uint8_t* out, size_t outSize,
                 size_t& outMade);

 private:
  struct Impl;
  Impl* m_pImpl = nullptr;
};
