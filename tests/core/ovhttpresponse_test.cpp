// COvHttpResponse: when receiving may stop, and what a response delivers, however it is split.
#include "core/ovhttpresponse.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core_test_util.h"

namespace {

TEST(COvHttpResponse, StopsOnceTheOutcomeIsKnownAndDeliversTheBody) {
  const struct {
    const char* name;
    std::vector<std::string> chunks;
    size_t maxHeader;
    size_t appended;  // chunks given until Append asked to stop (all when it never did)
    bool delivered;
    std::string body;
  } rows[] = {
      {"blank line split over chunks", {"HTTP/1.0 200 OK\r", "\n\r", "\nab", "cd"}, 64, 4, true, "abcd"},
      {"body passes the buffer", {"HTTP/1.0 200 OK\r\n\r\nabcd", "e", "f"}, 64, 2, false, ""},
      {"header passes its limit", {"HTTP/1.0 200 OK\r\n", "X: y\r\n", "\r\nab"}, 20, 2, false, ""},
      {"blank line in the chunk passing the limit", {"HTTP/1.0 200 OK\r\n", "\r\nab"}, 18, 2, true, "ab"},
      {"not found", {"HTTP/1.0 404 Not Found\r\n\r\n"}, 64, 1, false, ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    COvHttpResponse response(4, row.maxHeader);
    size_t appended = 0;
    for (const std::string& chunk : row.chunks) {
      ++appended;
      if (!response.Append(chunk.data(), chunk.size())) break;
    }
    EXPECT_EQ(row.appended, appended);
    char buffer[4] = {'x', 'x', 'x', 'x'};
    unsigned size = 99;
    StdoutText([&] { EXPECT_EQ(row.delivered, response.Deliver(buffer, size)); });
    EXPECT_EQ(row.delivered ? row.body.size() : 99u, size);
    EXPECT_EQ(row.delivered ? row.body : "", std::string(buffer, row.delivered ? size : 0));
  }
}

}  // namespace
