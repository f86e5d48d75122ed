#include "core/ovcommandlinesplit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Split(const char* text) {
  COvArray<TOvString<char>> tokens;
  OvSplitCommandLine(text, tokens);
  std::vector<std::string> result;
  for (const TOvString<char>& token : tokens) result.push_back(token.GetBuffer());
  return result;
}

struct SplitRow {
  const char* input;
  std::vector<std::string> expected;
};

}  // namespace

TEST(OvCommandLineSplit, SplitsByTheQuotingRules) {
  const SplitRow rows[] = {
      {"", {}},
      {" \t\r\n ", {}},
      {"one", {"one"}},
      {"  one   two\tthree\r\nfour  ", {"one", "two", "three", "four"}},
      // The example of the command-line parser.
      {"a \"b c\" \"d\"\"e\" \\\"f", {"a", "b c", "d\"e", "\"f"}},
      {"\"\"", {""}},
      {"a \"\" b", {"a", "", "b"}},
      {"\"\"\"\"", {"\""}},
      {"ab\"c d\"ef g", {"abc def", "g"}},
      {"\"say \\\"hi\\\"\"", {"say \"hi\""}},
      {"\\\"", {"\""}},
      {"a\\\\\"b c\"", {"a\\\"b", "c"}},
      {"C:\\Program Files\\Tool\\ \"C:\\My Dir\\\\\"", {"C:\\Program", "Files\\Tool\\", "C:\\My Dir\\\""}},
      {"trailing\\", {"trailing\\"}},
      {"\"unclosed quote", {"unclosed quote"}},
      {"x;y | z & $(w) `v` *", {"x;y", "|", "z", "&", "$(w)", "`v`", "*"}},
      {"'single quotes' stay", {"'single", "quotes'", "stay"}},
  };
  for (const SplitRow& row : rows) {
    SCOPED_TRACE(row.input);
    EXPECT_EQ(row.expected, Split(row.input));
  }
}

TEST(OvCommandLineSplit, NextTokenStepsThroughTheText) {
  const char* cursor = "  first \"second one\"   ";
  TOvString<char> token("stale");
  ASSERT_TRUE(OvCommandLineNextToken(cursor, token));
  EXPECT_STREQ("first", token.GetBuffer());
  ASSERT_TRUE(OvCommandLineNextToken(cursor, token));
  EXPECT_STREQ("second one", token.GetBuffer());
  EXPECT_STREQ("", cursor);
  EXPECT_FALSE(OvCommandLineNextToken(cursor, token));
  EXPECT_TRUE(token.IsEmpty());
}

TEST(OvCommandLineSplit, NullTextHasNoTokens) {
  const char* cursor = nullptr;
  TOvString<char> token;
  EXPECT_FALSE(OvCommandLineNextToken(cursor, token));
  EXPECT_TRUE(Split(nullptr).empty());
}

TEST(OvCommandLineSplit, AppendsToExistingTokens) {
  COvArray<TOvString<char>> tokens;
  tokens.Add("kept");
  OvSplitCommandLine("a b", tokens);
  ASSERT_EQ(3, tokens.GetCount());
  EXPECT_STREQ("kept", tokens[0].GetBuffer());
  EXPECT_STREQ("b", tokens[2].GetBuffer());
}
