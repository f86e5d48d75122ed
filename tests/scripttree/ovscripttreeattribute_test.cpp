// Tests of COvScriptTreeAttribute: the text each typed constructor stores, copies and
// equality, and the wide-text accessors.
#include "scripttree/ovscripttreeattribute.h"

#include <gtest/gtest.h>

namespace {

using A = COvScriptTreeAttribute;

TEST(ScriptTreeAttribute, EachConstructorStoresItsTextTypeAndRawValue) {
  const struct {
    A attribute;
    A::EType type;
    const char* text;
    uint64_t raw;
  } rows[] = {
      {A("a", uint64_t{255}), A::eTypeU64, "0X00000000000000FF", 255},
      {A("a", uint32_t{4294967295u}), A::eTypeU64, "-1", 4294967295u},
      {A("a", uint32_t{42}), A::eTypeU64, "42", 42},
      {A("a", -12), A::eTypeInt, "-12", 0},
      {A("a", 1.5f), A::eTypeFloat, "1.500000", 0},
      {A("a", -0.25f), A::eTypeFloat, "-0.250000", 0},
      {A("a", "Hello"), A::eTypeString, "Hello", 0},
      {A("a", static_cast<const char*>(nullptr)), A::eTypeString, "", 0},
      {A("a", TOvString<char>("x y")), A::eTypeString, "x y", 0},
      {A("a", COvVector3(1.0f, -2.0f, 0.5f)), A::eTypeVector3, "1.000000 -2.000000 0.500000", 0},
      {A("a", COvQuaternion(0.0f, 0.5f, 0.25f, 1.0f)), A::eTypeQuaternion,
       "0.000000 0.500000 0.250000 1.000000", 0},
      {A("a", COvRGB<float>(1.0f, 0.5f, 0.0f)), A::eTypeRGB, "1.000000 0.500000 0.000000", 0},
      {A("a", COvRGBA<float>(0.0f, 0.25f, 0.5f, 1.0f)), A::eTypeRGBA, "0.000000 0.250000 0.500000 1.000000",
       0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(row.type, row.attribute.GetType());
    EXPECT_STREQ(row.text, row.attribute.GetValue().GetBuffer());
    EXPECT_EQ(row.raw, row.attribute.GetRawValue());
  }
}

TEST(ScriptTreeAttribute, EqualityCountsEveryField) {
  A base("name", "Value");
  EXPECT_EQ(base, A("NAME", "Value"));
  EXPECT_NE(base, A("other", "Value"));
  EXPECT_NE(base, A("name", "value"));
  A retyped(base);
  retyped.SetType(A::eTypeInt);
  EXPECT_NE(base, retyped);
  // Same text and type, different raw value.
  A fromText("n", "7");
  fromText.SetType(A::eTypeU64);
  EXPECT_NE(A("n", uint32_t{7}), fromText);
}

TEST(ScriptTreeAttribute, SetValueMakesAStringKeepingTheRawValueAndWideTextIsHeldAsUtf8) {
  A number("n", uint64_t{9});
  number.SetValue("abc");
  EXPECT_EQ(A::eTypeString, number.GetType());
  EXPECT_EQ(9u, number.GetRawValue());
  EXPECT_TRUE(number.GetWValue() == L"abc");

  const wchar_t wide[] = {L'a', 0xE9, 0x20AC, 0};
  A attribute("w", TOvString<wchar_t>(wide));
  EXPECT_EQ(A::eTypeString, attribute.GetType());
  EXPECT_STREQ("a\xC3\xA9\xE2\x82\xAC", attribute.GetValue().GetBuffer());
  EXPECT_TRUE(attribute.GetWValue() == wide);
  attribute.SetWValue(TOvString<wchar_t>());
  EXPECT_STREQ("", attribute.GetValue().GetBuffer());
  EXPECT_TRUE(attribute.GetWValue().IsEmpty());
}

}  // namespace
