// The socket service on Windows: Winsock 2 (WSAStartup, gethostbyname, blocking SOCKETs,
// select for the bounded waits of the loopback listener). Links ws2_32.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <cstring>

#include "core/platform/socket.h"

namespace ovsock {
namespace {

SOCKET Native(Socket socket) { return static_cast<SOCKET>(socket); }

sockaddr_in MakeAddress(uint32_t address, uint16_t port) {
  sockaddr_in target;
  std::memset(&target, 0, sizeof(target));
  target.sin_family = AF_INET;
  target.sin_port = htons(port);
  target.sin_addr.s_addr = address;
  return target;
}

bool WaitFor(SOCKET socket, bool writing, int timeoutMilliseconds) {
  fd_set ready;
  FD_ZERO(&ready);
  FD_SET(socket, &ready);
  timeval limit;
  limit.tv_sec = timeoutMilliseconds / 1000;
  limit.tv_usec = (timeoutMilliseconds % 1000) * 1000;
  return select(0, writing ? nullptr : &ready, writing ? &ready : nullptr, nullptr, &limit) > 0;
}

int Clamp(size_t size) { return size > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(size); }

}  // namespace

LibraryStart StartLibrary(int major, int minor) {
  WSADATA data;
  if (WSAStartup(MAKEWORD(major, minor), &data) != 0) return LibraryStart::kFailed;
  if (LOBYTE(data.wVersion) != major || HIBYTE(data.wVersion) != minor) {
    WSACleanup();
    return LibraryStart::kWrongVersion;
  }
  return LibraryStart::kStarted;
}

void StopLibrary() { WSACleanup(); }

bool ResolveIPv4(const char* host, uint32_t& address) {
  if (!host) return false;
  hostent* found = gethostbyname(host);
  if (!found || found->h_addrtype != AF_INET || !found->h_addr_list || !found->h_addr_list[0]) return false;
  std::memcpy(&address, found->h_addr_list[0], sizeof(address));
  return true;
}

Socket OpenStream() {
  // Not inheritable: a child process started while the socket is open must not keep it.
  SOCKET created = WSASocketW(AF_INET, SOCK_STREAM, IPPROTO_TCP, nullptr, 0, WSA_FLAG_NO_HANDLE_INHERIT);
  return created == INVALID_SOCKET ? kInvalidSocket : static_cast<Socket>(created);
}

bool Connect(Socket socket, uint32_t address, uint16_t port) {
  sockaddr_in target = MakeAddress(address, port);
  return connect(Native(socket), reinterpret_cast<const sockaddr*>(&target), sizeof(target)) == 0;
}

long Send(Socket socket, const char* data, size_t size) {
  int sent = send(Native(socket), data, Clamp(size), 0);
  return sent == SOCKET_ERROR ? -1 : sent;
}

long Receive(Socket socket, char* buffer, size_t size) {
  int received = recv(Native(socket), buffer, Clamp(size), 0);
  return received == SOCKET_ERROR ? -1 : received;
}

void Close(Socket socket) {
  if (socket != kInvalidSocket) closesocket(Native(socket));
}

Socket ListenOnLoopback(uint16_t& port) {
  Socket listener = OpenStream();
  if (listener == kInvalidSocket) return kInvalidSocket;
  sockaddr_in local = MakeAddress(htonl(INADDR_LOOPBACK), 0);
  int length = sizeof(local);
  SOCKET native = Native(listener);
  if (bind(native, reinterpret_cast<const sockaddr*>(&local), sizeof(local)) != 0 || listen(native, 4) != 0 ||
      getsockname(native, reinterpret_cast<sockaddr*>(&local), &length) != 0) {
    Close(listener);
    return kInvalidSocket;
  }
  port = ntohs(local.sin_port);
  return listener;
}

Socket Accept(Socket listener, int timeoutMilliseconds) {
  if (!WaitFor(Native(listener), false, timeoutMilliseconds)) return kInvalidSocket;
  SOCKET accepted = accept(Native(listener), nullptr, nullptr);
  return accepted == INVALID_SOCKET ? kInvalidSocket : static_cast<Socket>(accepted);
}

bool WaitReadable(Socket socket, int timeoutMilliseconds) {
  return WaitFor(Native(socket), false, timeoutMilliseconds);
}

bool WaitWritable(Socket socket, int timeoutMilliseconds) {
  return WaitFor(Native(socket), true, timeoutMilliseconds);
}

void ShutdownSend(Socket socket) { shutdown(Native(socket), SD_SEND); }

}  // namespace ovsock
