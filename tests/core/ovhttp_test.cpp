#include "core/ovhttp.h"

#include <gtest/gtest.h>

#include <string>

#include "core/platform/socket.h"
#include "core_test_util.h"
#include "support/loopback_server.h"

namespace {

constexpr const char* kLoopback = "127.0.0.1";

std::string StartupLines() {
#ifdef _WIN32
  return "\nWinsock 2.2 initialized via wsa2_32.dll";
#else
  return "";
#endif
}

struct Row {
  const char* name;
  std::string response;
  unsigned bufferSize;
  bool ok;
  std::string body;  // the body delivered; empty when none is
};

TEST(OvDownloadFile, ResponsesAreJudgedAndTheConnectionIsClosedOnEveryPath) {
  const std::string big = Pattern(10000);
  const Row rows[] = {
      {"empty body", "HTTP/1.0 200 OK\r\nContent-Length: 0\r\n\r\n", 16, true, ""},
      {"body fits exactly", "HTTP/1.0 200 OK\r\n\r\nabcd", 4, true, "abcd"},
      {"body far too large", "HTTP/1.0 200 OK\r\n\r\n" + Pattern(1 << 20), 16, false, ""},
      {"no blank line", "HTTP/1.0 200 OK\r\nhello", 64, false, ""},
      {"server error with a body", "HTTP/1.0 500 Internal Server Error\r\n\r\noops", 64, true, "oops"},
      {"redirect with a body", "HTTP/1.0 301 Moved\r\nLocation: /x\r\n\r\nmoved", 64, true, "moved"},
      {"binary body over several receives", "HTTP/1.0 200 OK\r\n\r\n" + big, 10000, true, big},
      {"response shorter than a status line", "\r\n\r\nab", 64, true, "ab"},
      {"nothing at all", "", 64, false, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    OneShotServer server(row.response);
    ASSERT_TRUE(server.Listening());
    std::string buffer(row.bufferSize + 8, 'x');
    unsigned size = 12345;
    StdoutText([&] {
      EXPECT_EQ(row.ok, OvDownloadFileFromPort(kLoopback, server.Port(), "/data/file.bin", &buffer[0],
                                               row.bufferSize, size));
    });
    server.Finish();
    EXPECT_TRUE(server.ClientClosed());
    EXPECT_EQ("GET /data/file.bin HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n", server.Request());
    // Only a delivered body is written, and nothing around it.
    EXPECT_EQ(row.ok ? row.body.size() : 12345u, size);
    EXPECT_TRUE(row.body + std::string(row.bufferSize + 8 - row.body.size(), 'x') == buffer);
  }
}

TEST(OvDownloadFile, NarratesEachStepOnStandardOutput) {
  const std::string header = "HTTP/1.0 200 OK\r\nServer: test\r\n\r\n";
  OneShotServer server(header + "body");
  ASSERT_TRUE(server.Listening());
  char buffer[16];
  unsigned size = 0;
  std::string out = StdoutText([&] {
    EXPECT_TRUE(OvDownloadFileFromPort(kLoopback, server.Port(), "/a", buffer, sizeof(buffer), size));
  });
  const std::string port = std::to_string(server.Port());
  EXPECT_EQ(StartupLines() + "\nHost lookup succeeded for 127.0.0.1\nNow connected to 127.0.0.1 via port " +
                port +
                "\nHTTP request constructed successfully:\nGET /a HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n"
                "Successfully sent HTTP request to the server\nWaiting for download to complete"
                "\n\nFile starts at offset " +
                std::to_string(header.size()) + "\n\nInitial response from server:\n" + header,
            out);
}

TEST(OvDownloadFile, RefusedConnectionFails) {
  unsigned short port = 0;
  bool started = ovsock::StartLibrary(2, 2) == ovsock::LibraryStart::kStarted;
  ovsock::Socket probe = ovsock::ListenOnLoopback(port);  // a port that is free once closed
  ASSERT_NE(ovsock::kInvalidSocket, probe);
  ovsock::Close(probe);
  char buffer[4];
  unsigned size = 7;
  std::string out = StdoutText(
      [&] { EXPECT_FALSE(OvDownloadFileFromPort(kLoopback, port, "/", buffer, sizeof(buffer), size)); });
  if (started) ovsock::StopLibrary();
  EXPECT_EQ(7u, size);
  EXPECT_EQ(StartupLines() + "\nHost lookup succeeded for 127.0.0.1\nconnect() failed", out);
}

}  // namespace
