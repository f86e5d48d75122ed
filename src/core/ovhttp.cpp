// The download runs the steps in order and stops at the first that fails; a guard releases
// the socket and the socket library whatever the way out. Bytes are kept with their length, so
// a body may hold zero bytes.
#include "core/ovhttp.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "core/ovlog.h"
#include "core/platform/socket.h"

namespace {

constexpr int kScratchSize = 4096;
constexpr char kHeaderEnd[] = "\r\n\r\n";
constexpr size_t kHeaderEndSize = 4;
// A header still without its blank line after this many bytes is given up on, so a server
// that never ends its header cannot exhaust the memory.
constexpr size_t kMaxHeaderBytes = 1 << 20;

class Connection {
 public:
  Connection() = default;
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;
  ~Connection() {
    ovsock::Close(socket);
    if (libraryStarted) ovsock::StopLibrary();
  }

  bool libraryStarted = false;
  ovsock::Socket socket = ovsock::kInvalidSocket;
};

void Print(const std::string& bytes) { std::fwrite(bytes.data(), 1, bytes.size(), stdout); }

bool StartLibrary(Connection& connection) {
  switch (ovsock::StartLibrary(2, 2)) {
    case ovsock::LibraryStart::kFailed:
      std::printf("\nError initializing Winsock 2.2");
      return false;
    case ovsock::LibraryStart::kWrongVersion:
      std::printf("\nWinsock 2.2 not available");
      return false;
    case ovsock::LibraryStart::kStarted:
      connection.libraryStarted = true;
      std::printf("\nWinsock 2.2 initialized via wsa2_32.dll");
      return true;
    case ovsock::LibraryStart::kNotNeeded:
      break;
  }
  return true;
}

bool SendAll(ovsock::Socket socket, const std::string& request) {
  size_t done = 0;
  while (done < request.size()) {
    long sent = ovsock::Send(socket, request.data() + done, request.size() - done);
    if (sent <= 0) return false;
    done += static_cast<size_t>(sent);
  }
  return true;
}

// Reads until the peer closes or a receive fails. Stops early once the outcome is known: a
// body already longer than bufferSize, or a header without end that passed its limit. Gives
// the offset of the blank line, or npos.
size_t ReceiveResponse(ovsock::Socket socket, unsigned bufferSize, std::string& response) {
  char scratch[kScratchSize];
  size_t headerEnd = std::string::npos;
  for (;;) {
    long received = ovsock::Receive(socket, scratch, kScratchSize - 1);
    if (received < 0) {
      OvTrace("recv() failed\n");
      break;
    }
    if (received == 0) break;
    size_t searchFrom = response.size() < kHeaderEndSize ? 0 : response.size() - (kHeaderEndSize - 1);
    response.append(scratch, static_cast<size_t>(received));
    if (headerEnd == std::string::npos) {
      headerEnd = response.find(kHeaderEnd, searchFrom, kHeaderEndSize);
      if (headerEnd == std::string::npos && response.size() > kMaxHeaderBytes) break;
    }
    if (headerEnd != std::string::npos && response.size() - (headerEnd + kHeaderEndSize) > bufferSize) break;
  }
  return headerEnd;
}

}  // namespace

bool OvDownloadFile(const char* host, const char* path, char* buffer, unsigned bufferSize,
                    unsigned& outSize) {
  return OvDownloadFileFromPort(host, 80, path, buffer, bufferSize, outSize);
}

bool OvDownloadFileFromPort(const char* host, unsigned short port, const char* path, char* buffer,
                            unsigned bufferSize, unsigned& outSize) {
  Connection connection;
  if (!StartLibrary(connection)) return false;

  uint32_t address = 0;
  if (!host || !ovsock::ResolveIPv4(host, address)) {
    std::printf("\ngethostbyname() failed");
    return false;
  }
  std::printf("\nHost lookup succeeded for %s", host);

  connection.socket = ovsock::OpenStream();
  if (connection.socket == ovsock::kInvalidSocket) {
    std::printf("\nsocket() failed");
    return false;
  }
  if (!ovsock::Connect(connection.socket, address, port)) {
    std::printf("\nconnect() failed");
    return false;
  }
  std::printf("\nNow connected to %s via port %u", host, static_cast<unsigned>(port));

  std::string request = std::string("GET ") + (path ? path : "") + " HTTP/1.0\r\nHost: " + host + "\r\n\r\n";
  std::printf("\nHTTP request constructed successfully:\n");
  Print(request);
  if (!SendAll(connection.socket, request)) {
    std::printf("send() failed");
    return false;
  }
  std::printf("Successfully sent HTTP request to the server");
  std::printf("\nWaiting for download to complete");

  std::string response;
  size_t headerEnd = ReceiveResponse(connection.socket, bufferSize, response);
  if (headerEnd == std::string::npos) return false;
  size_t bodyOffset = headerEnd + kHeaderEndSize;
  if (response.size() >= 12 && response.compare(9, 3, "404") == 0) return false;

  std::printf("\n\nFile starts at offset %d\n", static_cast<int>(bodyOffset));
  std::printf("\nInitial response from server:\n");
  Print(response.substr(0, bodyOffset));

  size_t bodySize = response.size() - bodyOffset;
  if (bodySize > bufferSize) return false;
  if (bodySize > 0) std::memcpy(buffer, response.data() + bodyOffset, bodySize);
  outSize = static_cast<unsigned>(bodySize);
  return true;
}
