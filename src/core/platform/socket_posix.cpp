// The socket service on POSIX systems: BSD sockets, getaddrinfo and poll. Generic POSIX code;
// there is no socket library to start. Sockets are close-on-exec so no child inherits them.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/platform/socket.h"

namespace ovsock {
namespace {

sockaddr_in MakeAddress(uint32_t address, uint16_t port) {
  sockaddr_in target;
  std::memset(&target, 0, sizeof(target));
  target.sin_family = AF_INET;
  target.sin_port = htons(port);
  target.sin_addr.s_addr = address;
  return target;
}

// Keeps a new descriptor from reaching any child process started later.
int CloseOnExec(int fd) {
  if (fd >= 0) fcntl(fd, F_SETFD, fcntl(fd, F_GETFD) | FD_CLOEXEC);
  return fd;
}

bool WaitFor(int fd, short events, int timeoutMilliseconds) {
  pollfd entry = {fd, events, 0};
  int ready;
  do {
    ready = poll(&entry, 1, timeoutMilliseconds);
  } while (ready < 0 && errno == EINTR);
  return ready > 0;
}

}  // namespace

LibraryStart StartLibrary(int, int) { return LibraryStart::kNotNeeded; }

void StopLibrary() {}

bool ResolveIPv4(const char* host, uint32_t& address) {
  if (!host) return false;
  addrinfo hints;
  std::memset(&hints, 0, sizeof(hints));
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (getaddrinfo(host, nullptr, &hints, &found) != 0 || !found) return false;
  address = reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr.s_addr;
  freeaddrinfo(found);
  return true;
}

Socket OpenStream() {
  int fd = CloseOnExec(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
  return fd < 0 ? kInvalidSocket : fd;
}

bool Connect(Socket socket, uint32_t address, uint16_t port) {
  sockaddr_in target = MakeAddress(address, port);
  int result;
  do {
    result = connect(static_cast<int>(socket), reinterpret_cast<const sockaddr*>(&target), sizeof(target));
  } while (result < 0 && errno == EINTR);
  return result == 0;
}

long Send(Socket socket, const char* data, size_t size) {
  ssize_t sent;
  do {
    sent = send(static_cast<int>(socket), data, size, MSG_NOSIGNAL);
  } while (sent < 0 && errno == EINTR);
  return sent < 0 ? -1 : static_cast<long>(sent);
}

long Receive(Socket socket, char* buffer, size_t size) {
  ssize_t received;
  do {
    received = recv(static_cast<int>(socket), buffer, size, 0);
  } while (received < 0 && errno == EINTR);
  return received < 0 ? -1 : static_cast<long>(received);
}

void Close(Socket socket) {
  if (socket != kInvalidSocket) close(static_cast<int>(socket));
}

Socket ListenOnLoopback(uint16_t& port) {
  Socket listener = OpenStream();
  if (listener == kInvalidSocket) return kInvalidSocket;
  sockaddr_in local = MakeAddress(htonl(INADDR_LOOPBACK), 0);
  socklen_t length = sizeof(local);
  int fd = static_cast<int>(listener);
  if (bind(fd, reinterpret_cast<const sockaddr*>(&local), sizeof(local)) != 0 || listen(fd, 4) != 0 ||
      getsockname(fd, reinterpret_cast<sockaddr*>(&local), &length) != 0) {
    Close(listener);
    return kInvalidSocket;
  }
  port = ntohs(local.sin_port);
  return listener;
}

Socket Accept(Socket listener, int timeoutMilliseconds) {
  if (!WaitFor(static_cast<int>(listener), POLLIN, timeoutMilliseconds)) return kInvalidSocket;
  int fd = CloseOnExec(accept(static_cast<int>(listener), nullptr, nullptr));
  return fd < 0 ? kInvalidSocket : fd;
}

bool WaitReadable(Socket socket, int timeoutMilliseconds) {
  return WaitFor(static_cast<int>(socket), POLLIN, timeoutMilliseconds);
}

bool WaitWritable(Socket socket, int timeoutMilliseconds) {
  return WaitFor(static_cast<int>(socket), POLLOUT, timeoutMilliseconds);
}

void ShutdownSend(Socket socket) { shutdown(static_cast<int>(socket), SHUT_WR); }

}  // namespace ovsock
