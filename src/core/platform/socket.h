// The socket service under the HTTP download: starting the host's socket library, IPv4 name
// lookup, and blocking TCP stream sockets. A second group of calls serves a local listener on
// the loopback address (the test servers of the download code use it). Nothing here prints.
//
// Sockets are opaque integers: file descriptors on POSIX, SOCKET values on Windows.
// kInvalidSocket marks a socket that is not open.
#pragma once

#include <cstddef>
#include <cstdint>

namespace ovsock {

typedef intptr_t Socket;
constexpr Socket kInvalidSocket = -1;

enum class LibraryStart {
  kStarted,       // the library was started; StopLibrary must follow
  kNotNeeded,     // the host has no socket library to start (POSIX)
  kFailed,        // the start-up call failed
  kWrongVersion,  // started, but not in the asked version; already cleaned up
};

// Starts the socket library asking for version major.minor (Winsock on Windows).
LibraryStart StartLibrary(int major, int minor);
// Undoes one successful StartLibrary; does nothing where no library is started.
void StopLibrary();

// Looks host up by name and gives the first IPv4 address, in network byte order.
bool ResolveIPv4(const char* host, uint32_t& address);

// A new blocking IPv4 TCP socket, or kInvalidSocket.
Socket OpenStream();
// Connects to address (network byte order) on port.
bool Connect(Socket socket, uint32_t address, uint16_t port);
// One send call: the count of bytes sent, or -1 on failure.
long Send(Socket socket, const char* data, size_t size);
// One receive call: the count of bytes received, 0 when the peer closed, -1 on failure.
long Receive(Socket socket, char* buffer, size_t size);
// Closes the socket; kInvalidSocket is ignored.
void Close(Socket socket);

// Loopback listener: a socket listening on 127.0.0.1 on a port the system picks, written to
// port. kInvalidSocket on failure.
Socket ListenOnLoopback(uint16_t& port);
// Waits at most timeoutMilliseconds for a connection on a listening socket and accepts it;
// kInvalidSocket when none came or on failure.
Socket Accept(Socket listener, int timeoutMilliseconds);
// Waits at most timeoutMilliseconds for the socket to have data (or its end) to read.
bool WaitReadable(Socket socket, int timeoutMilliseconds);
// Waits at most timeoutMilliseconds for the socket to take more bytes to send (or to fail).
bool WaitWritable(Socket socket, int timeoutMilliseconds);
// Ends the sending direction: the peer's receives see the end of the stream.
void ShutdownSend(Socket socket);

}  // namespace ovsock
