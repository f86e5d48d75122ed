// COvHttpResponse: the blank line is looked for as the bytes come, from just before each new
// chunk, so a response is scanned once however it is split. Bytes are kept with their length,
// so a body may hold zero bytes and any byte value.
#include "core/ovhttpresponse.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr char kHeaderEnd[] = "\r\n\r\n";
constexpr size_t kHeaderEndSize = 4;

}  // namespace

bool COvHttpResponse::Append(const char* bytes, size_t n) {
  size_t searchFrom = m_Bytes.size() < kHeaderEndSize ? 0 : m_Bytes.size() - (kHeaderEndSize - 1);
  m_Bytes.append(bytes, n);
  if (m_HeaderEnd == std::string::npos) {
    m_HeaderEnd = m_Bytes.find(kHeaderEnd, searchFrom, kHeaderEndSize);
    if (m_HeaderEnd == std::string::npos) return m_Bytes.size() <= m_MaxHeaderBytes;
  }
  return m_Bytes.size() - (m_HeaderEnd + kHeaderEndSize) <= m_uBufferSize;
}

bool COvHttpResponse::Deliver(char* buffer, unsigned& outSize) const {
  if (m_HeaderEnd == std::string::npos) return false;
  size_t bodyOffset = m_HeaderEnd + kHeaderEndSize;
  if (m_Bytes.size() >= 12 && m_Bytes.compare(9, 3, "404") == 0) return false;

  std::printf("\n\nFile starts at offset %d\n", static_cast<int>(bodyOffset));
  std::printf("\nInitial response from server:\n");
  std::fwrite(m_Bytes.data(), 1, bodyOffset, stdout);

  size_t bodySize = m_Bytes.size() - bodyOffset;
  if (bodySize > m_uBufferSize) return false;
  if (bodySize > 0) std::memcpy(buffer, m_Bytes.data() + bodyOffset, bodySize);
  outSize = static_cast<unsigned>(bodySize);
  return true;
}
