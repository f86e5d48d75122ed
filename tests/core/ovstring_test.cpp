#include "core/ovstring.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ovarray.h"

using Str = TOvString<char>;

TEST(OvString, EmptyTextsLeaveTheBufferNull) {
  Str s("abc");
  s = "";
  EXPECT_EQ((std::vector<char*>(4, nullptr)),
            (std::vector<char*>{s.GetRawBuffer(), Str(nullptr).GetRawBuffer(), Str("abc", 0).GetRawBuffer(),
                                (Str("") + Str("")).GetRawBuffer()}));
  EXPECT_EQ(0, s.GetLength());
  EXPECT_STREQ("", s.GetBuffer());
  EXPECT_STREQ("abc", (Str("abc") + "").GetBuffer());
  EXPECT_EQ(0, TOvString<wchar_t>::STR_EMPTY.GetLength());
  EXPECT_TRUE(Str() == Str("") && Str() == "");
  // Exactly three characters and no terminator: nothing after them may be read.
  std::vector<char> bytes(3, 'a');
  EXPECT_STREQ("aaa", Str(bytes.data(), 3).GetBuffer());
}

// Assigning part of its own buffer keeps the text.
TEST(OvString, ConcatenationResizeAndSelfAssignment) {
  Str s("ab");
  s += "cd";
  s += s;
  EXPECT_STREQ("abcdabcd", s.GetBuffer());
  s.Resize(3);
  EXPECT_STREQ("abc", s.GetBuffer());
  s.Resize(10);
  EXPECT_EQ(3, s.GetLength());
  s.Resize(0);
  EXPECT_EQ(nullptr, s.GetRawBuffer());
  EXPECT_STREQ("xyz", ("x" + Str("yz")).GetBuffer());
  s = "prefix.tail";
  s = s.GetBuffer() + 7;
  EXPECT_STREQ("tail", s.GetBuffer());
  s = s.GetBuffer();
  EXPECT_STREQ("tail", s.GetBuffer());
}

TEST(OvString, EndsWithFindReplaceAndMid) {
  EXPECT_TRUE(Str("abc").EndsWith("") && Str("file.bf").EndsWith(".bf"));
  EXPECT_FALSE(Str("ab").EndsWith("abc") || Str("file.BF").EndsWith(".bf"));

  Str s("one two one");
  // FindLast looks forward from each position, so a start before the last hit still finds it.
  EXPECT_EQ((std::vector<int>{0, 8, -1, -1, 4, -1, 8, 8, -1, 8}),
            (std::vector<int>{s.Find("one"), s.Find("one", 1), s.Find("one", 11), s.Find(nullptr),
                              s.Find("TWO", 0, false), s.Find("TWO"), s.FindLast("one"), s.FindLast("one", 3),
                              s.FindLast("one", 11), s.FindLast("ONE", -1, false)}));

  // Replace, then Mid, which clamps its range.
  EXPECT_EQ((std::vector<std::string>{"1 two 1", "aa", "", "xyz", "", "ab", "cdef", ""}),
            (std::vector<std::string>{
                s.Replace("one", "1").GetBuffer(), Str("aaaa").Replace("aa", "a").GetBuffer(),
                Str("ab").Replace("ab", "").GetBuffer(), Str("xyz").Replace("q", "r").GetBuffer(),
                Str("abc").Mid(3).GetBuffer(), Str("abcdef").Mid(-5, 2).GetBuffer(),
                Str("abcdef").Mid(2, 100).GetBuffer(), Str("abcdef").Mid(2, -7).GetBuffer()}));
}

// Comparison is bytewise; ToLower touches ASCII only.
TEST(OvString, SplitSkipsRunsOfSeparatorsComparisonIsBytewiseAndToLowerIsAscii) {
  COvArray<Str> tokens;
  Str(";;a;b,,c;").Split(";,", tokens);
  ASSERT_EQ(3, tokens.GetCount());
  EXPECT_EQ("a|b|c",
            std::string(tokens[0].GetBuffer()) + "|" + tokens[1].GetBuffer() + "|" + tokens[2].GetBuffer());
  EXPECT_TRUE(tokens.Find(Str("b")) == 1 && tokens.Find(Str("d")) == -1);
  Str s("ABC\xC9");
  s.ToLower();
  EXPECT_STREQ("abc\xC9", s.GetBuffer());
  EXPECT_TRUE(Str("a") != Str("A"));
}

TEST(OvArray, RemoveAtShiftsAndCopiesDuplicate) {
  COvArray<Str> array;
  for (const char* text : {"a", "b", "c"}) array.Add(Str(text));
  array.RemoveAt(0);
  ASSERT_EQ(2, array.GetCount());
  EXPECT_STREQ("b", array[0].GetBuffer());
  array.RemoveAt(1);
  ASSERT_EQ(1, array.GetCount());
  COvArray<Str> copy(array);
  copy.Add(Str("z"));
  EXPECT_TRUE(array.GetCount() == 1 && copy.GetCount() == 2);
  EXPECT_NE(array[0].GetBuffer(), copy[0].GetBuffer());
  // Adding an element of the array to itself while it grows must not read freed storage.
  COvArray<Str> self;
  for (int i = 0; i < 16; ++i) self.Add(Str("x"));
  self.Add(self[0]);
  EXPECT_STREQ("x", self[16].GetBuffer());
}
