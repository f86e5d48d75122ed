#include "core/ovcommandlinesplit.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core_test_util.h"

namespace {

std::vector<std::string> Split(const char* text) {
  COvArray<TOvString<char>> tokens;
  OvSplitCommandLine(text, tokens);
  return Names(tokens);
}

// An input and its tokens.
using SplitRow = std::pair<const char*, std::vector<std::string>>;

}  // namespace

// Shell characters and single quotes are ordinary characters: the process tests pass them to a
// child through this split.
TEST(OvCommandLineSplit, SplitsByTheQuotingRules) {
  const SplitRow rows[] = {
      // A null text has no tokens.
      {nullptr, {}},
      {"", {}},
      {" \t\r\n ", {}},
      {"  one   two\tthree\r\nfour  ", {"one", "two", "three", "four"}},
      // The example of the command-line parser.
      {"a \"b c\" \"d\"\"e\" \\\"f", {"a", "b c", "d\"e", "\"f"}},
      {"a \"\" b", {"a", "", "b"}},
      {"\"\"\"\"", {"\""}},
      {"ab\"c d\"ef g", {"abc def", "g"}},
      // Backslash runs before a quote are read in pairs, as a Windows program reads them.
      {"a\\\\\"b c\"", {"a\\b c"}},
      {"a\\\\\\\"b c", {"a\\\"b", "c"}},
      {"C:\\Program Files\\Tool\\ \"C:\\My Dir\\\\\"", {"C:\\Program", "Files\\Tool\\", "C:\\My Dir\\"}},
      {"trailing\\", {"trailing\\"}},
      {"\"unclosed quote", {"unclosed quote"}},
  };
  for (const SplitRow& row : rows) {
    SCOPED_TRACE(row.first);
    EXPECT_EQ(row.second, Split(row.first));
  }
}

TEST(OvCommandLineSplit, QuoteOnlyRuleReadsEachBackslashAlone) {
  const SplitRow rows[] = {
      {nullptr, {}},
      {"a\\\\\"b c\"", {"a\\\"b", "c"}},
      {"\"C:\\My Dir\\\\\"", {"C:\\My Dir\\\""}},
      {"x\\\\ \\\"y", {"x\\\\", "\"y"}},
  };
  for (const SplitRow& row : rows) {
    SCOPED_TRACE(row.first);
    std::vector<std::string> tokens;
    const char* cursor = row.first;
    for (TOvString<char> token; OvCommandLineNextToken(cursor, token);) tokens.push_back(token.GetBuffer());
    EXPECT_EQ(row.second, tokens);
  }
}

TEST(OvCommandLineSplit, QuotedArgumentsComeBackWhole) {
  const char* const words[] = {"plain",      "C:\\dir\\", "",           "two words", "tab\tand\nline",
                               "say \"hi\"", "end\\",     "pa ss\\",    "pa ss\\\\", "q\\\"uote",
                               "\\\"",       "\"\"",      "\\ \\\\\"\\"};
  for (const char* word : words) {
    SCOPED_TRACE(word);
    const std::string quoted = OvQuoteCommandLineArgument(word).GetBuffer();
    EXPECT_EQ((std::vector<std::string>{"x", word, "y"}), Split(("x " + quoted + " y").c_str()));
  }
  EXPECT_STREQ("\"pa ss\\\\\"", OvQuoteCommandLineArgument("pa ss\\").GetBuffer());
  EXPECT_STREQ("\"a\\\\\\\"b\"", OvQuoteCommandLineArgument("a\\\"b").GetBuffer());
}
