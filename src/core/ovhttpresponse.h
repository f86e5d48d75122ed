// COvHttpResponse: the bytes of an HTTP/1.0 response as the download receives them, and the
// judging of the complete response: header end, status, body size against the caller's
// buffer. Works on bytes only (no sockets), so any byte sequence a server may send can be
// given to it.
#pragma once

#include <cstddef>
#include <string>

class COvHttpResponse {
 public:
  // A header still without its blank line after this many bytes is given up on, so a server
  // that never ends its header cannot exhaust the memory.
  static constexpr size_t kMaxHeaderBytes = 1 << 20;

  // bufferSize is the room the caller has for the body.
  explicit COvHttpResponse(unsigned bufferSize, size_t maxHeaderBytes = kMaxHeaderBytes)
      : m_uBufferSize(bufferSize), m_MaxHeaderBytes(maxHeaderBytes) {}

  // Appends n received bytes. False once more bytes cannot change the outcome: the body is
  // already longer than the buffer, or the header passed its limit without a blank line.
  bool Append(const char* bytes, size_t n);

  // Judges the bytes received: false without a blank line after the header or with status
  // "404"; otherwise prints the body offset and the header, then copies the body into buffer
  // and its size into outSize when it fits the buffer (false when not). On false, buffer and
  // outSize are left as they were.
  bool Deliver(char* buffer, unsigned& outSize) const;

  const std::string& GetBytes() const { return m_Bytes; }

 private:
  std::string m_Bytes;
  size_t m_HeaderEnd = std::string::npos;  // offset of the blank line once found
  unsigned m_uBufferSize;
  size_t m_MaxHeaderBytes;
};
