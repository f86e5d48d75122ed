// Fuzz target: a server's HTTP response as the download receives it. The first four bytes give
// the caller's buffer size, the chunk size of the receives and the header limit; the rest is
// what the server sends. A delivered body is exactly the bytes after the first blank line and
// fits the buffer; a refused response leaves the buffer and the size untouched.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "core/ovhttpresponse.h"
#include "fuzz_support.h"

namespace {

constexpr char kCanary = '\x5A';
constexpr unsigned kUntouched = 0xDEADBEEFu;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The response is narrated on standard output; libFuzzer reports on standard error.
  return std::freopen("/dev/null", "w", stdout) ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4 || size > (1u << 20)) return 0;
  const unsigned bufferSize = data[0] | (data[1] & 0x0F) << 8;
  const size_t chunk = 1 + (data[2] | (data[1] & 0xF0) << 4) % 4095;
  const size_t maxHeader = data[3] == 0xFF ? COvHttpResponse::kMaxHeaderBytes : data[3] * 16u;
  const std::string sent(reinterpret_cast<const char*>(data) + 4, size - 4);

  COvHttpResponse response(bufferSize, maxHeader);
  size_t given = 0;
  bool more = true;
  while (more && given < sent.size()) {
    size_t n = sent.size() - given < chunk ? sent.size() - given : chunk;
    more = response.Append(sent.data() + given, n);
    given += n;
  }
  ovfuzz::Check(response.GetBytes() == sent.substr(0, given), "the response holds the bytes given");

  std::string buffer(bufferSize + 16, kCanary);
  unsigned outSize = kUntouched;
  const bool delivered = response.Deliver(&buffer[0], outSize);
  const size_t blank = sent.find("\r\n\r\n");
  if (!delivered) {
    ovfuzz::Check(outSize == kUntouched && buffer == std::string(bufferSize + 16, kCanary),
                  "a refused response touches nothing");
    return 0;
  }
  ovfuzz::Check(more && given == sent.size(), "a response given up on early is refused");
  ovfuzz::Check(blank != std::string::npos && sent.compare(blank, 4, "\r\n\r\n") == 0, "a body follows a blank line");
  ovfuzz::Check(outSize <= bufferSize && sent.compare(blank + 4, std::string::npos, buffer, 0, outSize) == 0 &&
                    blank + 4 + outSize == sent.size(),
                "the body is the bytes after the blank line");
  ovfuzz::Check(buffer.find_first_not_of(kCanary, outSize) == std::string::npos, "the body stays in the buffer");
  ovfuzz::Check(sent.size() < 12 || sent.compare(9, 3, "404") != 0, "a 404 is never delivered");
  return 0;
}
