// COvLzmaDecoder over liblzma's raw LZMA1 decoder.
#include "bigfile/ovlzmadecoder.h"

#include <lzma.h>

#include <cstdlib>

struct COvLzmaDecoder::Impl {
  lzma_stream stream = LZMA_STREAM_INIT;
};

COvLzmaDecoder::COvLzmaDecoder() = default;

COvLzmaDecoder::~COvLzmaDecoder() {
  if (m_pImpl) lzma_end(&m_pImpl->stream);
  delete m_pImpl;
}

bool COvLzmaDecoder::Create(const uint8_t* properties, int64_t outputLimit) {
  if (m_pImpl) {
    lzma_end(&m_pImpl->stream);
    delete m_pImpl;
    m_pImpl = nullptr;
  }
  lzma_filter filters[2];
  filters[0].id = LZMA_FILTER_LZMA1;
  filters[0].options = nullptr;
  filters[1].id = LZMA_VLI_UNKNOWN;
  filters[1].options = nullptr;
  if (lzma_properties_decode(&filters[0], nullptr, properties, kPropertiesSize) != LZMA_OK) return false;
  lzma_options_lzma* options = static_cast<lzma_options_lzma*>(filters[0].options);
  // Matches never reach further back than the output produced so far, so a dictionary
  // larger than the whole output is never needed.
  uint64_t limit = outputLimit >= 0 ? static_cast<uint64_t>(outputLimit) : kMaxDictionary;
  if (limit < LZMA_DICT_SIZE_MIN) limit = LZMA_DICT_SIZE_MIN;
  if (options->dict_size > limit) options->dict_size = static_cast<uint32_t>(limit);
  Impl* impl = new Impl;
  lzma_ret started = lzma_raw_decoder(&impl->stream, filters);
  std::free(options);
  if (started != LZMA_OK) {
    lzma_end(&impl->stream);
    delete impl;
    return false;
  }
  m_pImpl = impl;
  return true;
}

bool COvLzmaDecoder::IsCreated() const { return m_pImpl != nullptr; }

COvLzmaDecoder::EResult COvLzmaDecoder::Decode(const uint8_t* in, size_t inSize, size_t& inUsed, uint8_t* out,
                                               size_t outSize, size_t& outMade) {
  inUsed = outMade = 0;
  if (!m_pImpl) return eResultError;
  lzma_stream& stream = m_pImpl->stream;
  stream.next_in = in;
  stream.avail_in = inSize;
  stream.next_out = out;
  stream.avail_out = outSize;
  lzma_ret result = lzma_code(&stream, LZMA_RUN);
  inUsed = inSize - stream.avail_in;
  outMade = outSize - stream.avail_out;
  stream.next_in = nullptr;
  stream.next_out = nullptr;
  if (result == LZMA_STREAM_END) return eResultEnd;
  // No progress possible is reported as LZMA_BUF_ERROR: not damage, just nothing to do.
  if (result == LZMA_OK || result == LZMA_BUF_ERROR) return eResultOk;
  return eResultError;
}
