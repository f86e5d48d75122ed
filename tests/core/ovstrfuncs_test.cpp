#include "core/ovstrfuncs.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

TEST(OvStrFuncs, ComparisonsReturnExactSigns) {
  EXPECT_EQ((std::vector<int>{-1, 1, 0, -1, 1, 0, 0, 0}),
            (std::vector<int>{ovStrcmp("a", "b"), ovStrcmp("\xE9", "a"), ovStrcmp("", ""),
                              ovStrcmp("ab", "abc"), ovStrcmp(L"b", L"a"), ovStrncmp("abX", "abY", 2),
                              ovStrcmpNoCase("HeLLo", "hello"), ovStrncmpNoCase(L"ABc", L"abD", 2)}));
  EXPECT_GT(ovStrcmpNoCase("b", "A"), 0);
}

TEST(OvStrFuncs, BoundedCopiesNeverOverflow) {
  char dst[8];
  std::memset(dst, 'Z', sizeof(dst));
  // Each copy that does not fit leaves the empty text and nothing written past the size.
  EXPECT_TRUE(ovStrcpy(dst, 4, "abc") && std::string(dst) == "abc");
  EXPECT_TRUE(!ovStrcpy(dst, 3, "abc") && *dst == '\0' && dst[4] == 'Z');
  EXPECT_TRUE(ovStrncpy(dst, 4, "abcdef", 3) && std::string(dst) == "abc");
  EXPECT_TRUE(!ovStrncpy(dst, 3, "abcdef", 3) && *dst == '\0');
  EXPECT_FALSE(ovStrcpy(dst, 0, "a"));
  wchar_t wide[4];
  EXPECT_FALSE(ovStrcpy(wide, 2, L"ab"));
  EXPECT_EQ(0, wide[0]);
}

TEST(OvStrFuncs, NumberFormatting) {
  char text[64], real[64];
  wchar_t wide[64];
  ovIntToString(-42, text);
  ovFloatToString(1.5f, real);
  ovFloatToString(0.25f, wide);
  EXPECT_EQ(std::string(text) + " " + real, "-42 1.500000");
  EXPECT_STREQ(L"0.250000", wide);
}

// The 32-bit parsers saturate like the 32-bit runtime instead of wrapping; a leading minus
// negates modulo 2^32 for the unsigned one.
TEST(OvStrFuncs, NumberParsing) {
  const std::pair<const char*, int32_t> s32[] = {{"12abc", 12},
                                                 {"abc", 0},
                                                 {"3000000000", INT32_MAX},
                                                 {"-3000000000", INT32_MIN},
                                                 {" -2147483648", INT32_MIN}};
  for (const auto& row : s32) EXPECT_EQ(row.second, ovStringToS32(row.first)) << row.first;
  const std::pair<const char*, uint32_t> u32[] = {{"4000000000", 4000000000u},
                                                  {"4294967296", 0xFFFFFFFFu},
                                                  {" 4294967295x", 4294967295u},
                                                  {"-1", 0xFFFFFFFFu},
                                                  {"- 1", 0u},
                                                  {"x1", 0u}};
  for (const auto& row : u32) EXPECT_EQ(row.second, ovStringToU32(row.first)) << row.first;
  EXPECT_TRUE(ovStringToS32(L"-7") == -7 && ovStringToS32(L"99999999999") == INT32_MAX);
  EXPECT_TRUE(ovStringToU32(L"99999999999999999999999") == 0xFFFFFFFFu &&
              ovStringToU32(L"-4294967295") == 1u);
  const std::pair<const char*, int64_t> s64[] = {{"0x10", 0x10}, {"010", 8}, {"-5000000000", -5000000000LL}};
  for (const auto& row : s64) EXPECT_EQ(row.second, ovStringToS64(row.first)) << row.first;
  EXPECT_FLOAT_EQ(2.5f, ovStringToFloat("2.5"));
  const std::pair<const char*, uint32_t> hex[] = {
      {"ff", 255u}, {"0x1F", 31u}, {"123456789", 0x23456789u}, {"", 0u}};
  for (const auto& row : hex) EXPECT_EQ(row.second, ovStringHexToU32(row.first)) << row.first;
  EXPECT_EQ(0xABu, ovStringHexToU32(L"aB"));
}

TEST(OvStrFuncs, IntAndFloatRecognition) {
  for (const char* yes : {"-0", "123"}) EXPECT_TRUE(ovIsInt(yes)) << yes;
  for (const char* no : {"12 ", "", "-", "\xB2"}) EXPECT_FALSE(ovIsInt(no)) << no;
  EXPECT_FALSE(ovIsInt(nullptr));
  for (const char* yes : {"1.5", ".5", "5.", "-.5", "."}) EXPECT_TRUE(ovIsFloat(yes)) << yes;
  for (const char* no : {"15", "-", "1.2.3", "", "1-.5", "1e5"}) EXPECT_FALSE(ovIsFloat(no)) << no;
}

TEST(OvStrFuncs, Utf8AndUcs2Conversion) {
  wchar_t units[8] = {};
  EXPECT_EQ(1, ovDecodeUTF8ToUCS2("\xC3\xA9", units, -1));
  EXPECT_EQ(0xE9, static_cast<int>(units[0]));
  // A four-byte sequence, the count limit, no output; sequences cut short by the terminator stop
  // decoding instead of reading past it.
  EXPECT_EQ(
      (std::vector<int>{0, 1, 2, 1, 1}),
      (std::vector<int>{ovDecodeUTF8ToUCS2("\xF0\x9F\x98\x80", units, -1), ovDecodeUTF8ToUCS2("ab", units, 1),
                        ovDecodeUTF8ToUCS2("a\xE2\x82\xAC", nullptr, -1),
                        ovDecodeUTF8ToUCS2("a\xC3", units, -1), ovDecodeUTF8ToUCS2("a\xE2\x82", units, -1)}));

  char bytes[8] = {};
  const wchar_t euro[] = {0x20AC, 0}, mixed[] = {'a', 0xE9, 0};
  EXPECT_EQ(3, ovEncodeUCS2ToUTF8(euro, bytes, -1));
  EXPECT_EQ(0, std::memcmp(bytes, "\xE2\x82\xAC", 3));
  // A sequence of two or three bytes is written only with room for one byte more.
  EXPECT_EQ((std::vector<int>{0, 3, 3, 1}),
            (std::vector<int>{ovEncodeUCS2ToUTF8(euro, bytes, 3), ovEncodeUCS2ToUTF8(euro, bytes, 4),
                              ovEncodeUCS2ToUTF8(mixed, nullptr, -1), ovEncodeUCS2ToUTF8(mixed, bytes, 3)}));

  wchar_t wide[8];
  ovConvertASCIIToUCS2("abcdef", wide, 3);
  EXPECT_STREQ(L"abc", wide);
}
