// The server's side of one exchange.
#include "support/loopback_server.h"

#include <algorithm>

namespace {

// Generous bounds: a server waiting longer than this gives up and the test fails.
constexpr int kWaitMilliseconds = 10000;
constexpr int kMaxTurns = 4096;
// Sent a piece at a time once the socket is writable, so no send blocks for long: a client that
// closes with bytes unread must not leave the server stuck in one large blocking send.
constexpr size_t kSendPiece = 4096;

}  // namespace

void OneShotServer::Serve() {
  ovsock::Socket client = ovsock::Accept(m_listener, kWaitMilliseconds);
  if (client == ovsock::kInvalidSocket) return;
  char chunk[1024];
  for (int turn = 0; turn < kMaxTurns && m_request.find("\r\n\r\n") == std::string::npos; ++turn) {
    if (!ovsock::WaitReadable(client, kWaitMilliseconds)) break;
    long n = ovsock::Receive(client, chunk, sizeof(chunk));
    if (n <= 0) break;
    m_request.append(chunk, static_cast<size_t>(n));
  }
  for (size_t done = 0; done < m_response.size();) {
    if (!ovsock::WaitWritable(client, kWaitMilliseconds)) break;
    long n = ovsock::Send(client, m_response.data() + done, std::min(kSendPiece, m_response.size() - done));
    if (n <= 0) break;  // the client stopped reading and closed
    done += static_cast<size_t>(n);
  }
  ovsock::ShutdownSend(client);
  // The client has closed once a read sees the end of the stream or a reset.
  for (int turn = 0; turn < kMaxTurns && !m_clientClosed && ovsock::WaitReadable(client, kWaitMilliseconds);
       ++turn)
    m_clientClosed = ovsock::Receive(client, chunk, sizeof(chunk)) <= 0;
  ovsock::Close(client);
}
