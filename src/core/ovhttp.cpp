// The download runs the steps in order and stops at the first that fails; a guard releases
// the socket and the socket library whatever the way out.
#include "core/ovhttp.h"

#include <cstdio>
#include <string>

#include "core/ovhttpresponse.h"
#include "core/ovlog.h"
#include "core/platform/socket.h"

namespace {

constexpr int kScratchSize = 4096;

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

// Reads until the peer closes or a receive fails, or until more bytes cannot change the outcome.
void ReceiveResponse(ovsock::Socket socket, COvHttpResponse& response) {
  char scratch[kScratchSize];
  for (;;) {
    long received = ovsock::Receive(socket, scratch, kScratchSize - 1);
    if (received < 0) {
      OvTrace("recv() failed\n");
      break;
    }
    if (received == 0 || !response.Append(scratch, static_cast<size_t>(received))) break;
  }
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

  COvHttpResponse response(bufferSize);
  ReceiveResponse(connection.socket, response);
  return response.Deliver(buffer, outSize);
}
