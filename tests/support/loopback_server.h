// OneShotServer: a server on 127.0.0.1 for the tests of the HTTP download code.
#pragma once

#include <string>
#include <thread>

#include "core/platform/socket.h"

// A server on 127.0.0.1 for one connection: it reads the request up to its blank line, sends
// the canned response, ends its sending side and then waits for the client to close. Every
// wait is bounded, so it always stops by itself.
class OneShotServer {
 public:
  explicit OneShotServer(std::string response) : m_response(std::move(response)) {
    m_started = ovsock::StartLibrary(2, 2) == ovsock::LibraryStart::kStarted;
    m_listener = ovsock::ListenOnLoopback(m_port);
    if (m_listener != ovsock::kInvalidSocket) m_thread = std::thread([this] { Serve(); });
  }
  OneShotServer(const OneShotServer&) = delete;
  OneShotServer& operator=(const OneShotServer&) = delete;
  ~OneShotServer() {
    Finish();
    ovsock::Close(m_listener);
    if (m_started) ovsock::StopLibrary();
  }
  unsigned short Port() const { return m_port; }
  bool Listening() const { return m_listener != ovsock::kInvalidSocket; }
  // Waits for the exchange to end.
  void Finish() {
    if (m_thread.joinable()) m_thread.join();
  }
  const std::string& Request() const { return m_request; }
  bool ClientClosed() const { return m_clientClosed; }

 private:
  void Serve();

  std::string m_response;
  bool m_started = false;
  ovsock::Socket m_listener = ovsock::kInvalidSocket;
  unsigned short m_port = 0;
  std::thread m_thread;
  std::string m_request;
  bool m_clientClosed = false;
};
