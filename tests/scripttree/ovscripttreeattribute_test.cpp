// Tests of COvScriptTreeAttribute: the text each typed constructor stores, copies and
// equality, and the wide-text accessors.
#include "scripttree/ovscripttreeattribute.h"

#include <gtest/gtest.h>

namespace {

using EType = COvScriptTreeAttribute::EType;

TEST(ScriptTreeAttributeConstruction, UnsignedSixtyFourBitIsUpperCaseHex) {
  COvScriptTreeAttribute attribute(COvIdentifier("mask"), uint64_t{255});
  EXPECT_STREQ("0X00000000000000FF", attribute.GetValue().GetBuffer());
  EXPECT_EQ(COvScriptTreeAttribute::eTypeU64, attribute.GetType());
  EXPECT_EQ(255u, attribute.GetRawValue());
  EXPECT_EQ(COvIdentifier("MASK"), attribute.GetIdentifier());
}

TEST(ScriptTreeAttributeConstruction, UnsignedThirtyTwoBitIsSignedDecimal) {
  COvScriptTreeAttribute all(COvIdentifier("n"), uint32_t{4294967295u});
  EXPECT_STREQ("-1", all.GetValue().GetBuffer());
  EXPECT_EQ(COvScriptTreeAttribute::eTypeU64, all.GetType());
  EXPECT_EQ(4294967295u, all.GetRawValue());

  COvScriptTreeAttribute small(COvIdentifier("n"), uint32_t{42});
  EXPECT_STREQ("42", small.GetValue().GetBuffer());
}

TEST(ScriptTreeAttributeConstruction, NumbersAndTexts) {
  struct Row {
    COvScriptTreeAttribute attribute;
    EType type;
    const char* text;
  };
  const Row rows[] = {
      {COvScriptTreeAttribute(COvIdentifier("a"), -12), COvScriptTreeAttribute::eTypeInt, "-12"},
      {COvScriptTreeAttribute(COvIdentifier("a"), 1.5f), COvScriptTreeAttribute::eTypeFloat, "1.500000"},
      {COvScriptTreeAttribute(COvIdentifier("a"), -0.25f), COvScriptTreeAttribute::eTypeFloat, "-0.250000"},
      {COvScriptTreeAttribute(COvIdentifier("a"), "Hello"), COvScriptTreeAttribute::eTypeString, "Hello"},
      {COvScriptTreeAttribute(COvIdentifier("a"), static_cast<const char*>(nullptr)),
       COvScriptTreeAttribute::eTypeString, ""},
      {COvScriptTreeAttribute(COvIdentifier("a"), TOvString<char>("x y")), COvScriptTreeAttribute::eTypeString,
       "x y"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(row.type, row.attribute.GetType());
    EXPECT_STREQ(row.text, row.attribute.GetValue().GetBuffer());
    EXPECT_EQ(0u, row.attribute.GetRawValue());
  }
}

TEST(ScriptTreeAttributeConstruction, MathAndColourValuesAreBlankSeparatedFloats) {
  COvScriptTreeAttribute vector(COvIdentifier("v"), COvVector3(1.0f, -2.0f, 0.5f));
  EXPECT_EQ(COvScriptTreeAttribute::eTypeVector3, vector.GetType());
  EXPECT_STREQ("1.000000 -2.000000 0.500000", vector.GetValue().GetBuffer());

  COvScriptTreeAttribute rotation(COvIdentifier("q"), COvQuaternion(0.0f, 0.5f, 0.25f, 1.0f));
  EXPECT_EQ(COvScriptTreeAttribute::eTypeQuaternion, rotation.GetType());
  EXPECT_STREQ("0.000000 0.500000 0.250000 1.000000", rotation.GetValue().GetBuffer());

  COvRGB<float> rgb;
  rgb.Set(1.0f, 0.5f, 0.0f);
  COvScriptTreeAttribute colour(COvIdentifier("c"), rgb);
  EXPECT_EQ(COvScriptTreeAttribute::eTypeRGB, colour.GetType());
  EXPECT_STREQ("1.000000 0.500000 0.000000", colour.GetValue().GetBuffer());

  COvRGBA<float> rgba;
  rgba.Set(0.0f, 0.25f, 0.5f, 1.0f);
  COvScriptTreeAttribute colourAlpha(COvIdentifier("c"), rgba);
  EXPECT_EQ(COvScriptTreeAttribute::eTypeRGBA, colourAlpha.GetType());
  EXPECT_STREQ("0.000000 0.250000 0.500000 1.000000", colourAlpha.GetValue().GetBuffer());
}

TEST(ScriptTreeAttributeEquality, EveryFieldCounts) {
  COvScriptTreeAttribute base(COvIdentifier("name"), "Value");
  EXPECT_EQ(base, COvScriptTreeAttribute(COvIdentifier("NAME"), "Value"));
  EXPECT_NE(base, COvScriptTreeAttribute(COvIdentifier("other"), "Value"));
  EXPECT_NE(base, COvScriptTreeAttribute(COvIdentifier("name"), "value"));

  COvScriptTreeAttribute retyped(base);
  retyped.SetType(COvScriptTreeAttribute::eTypeInt);
  EXPECT_NE(base, retyped);

  // Same text and type, different raw value.
  COvScriptTreeAttribute fromNumber(COvIdentifier("n"), uint32_t{7});
  COvScriptTreeAttribute fromText(COvIdentifier("n"), "7");
  fromText.SetType(COvScriptTreeAttribute::eTypeU64);
  EXPECT_NE(fromNumber, fromText);
}

TEST(ScriptTreeAttributeValue, SetValueMakesAStringAndKeepsTheRawValue) {
  COvScriptTreeAttribute attribute(COvIdentifier("n"), uint64_t{9});
  attribute.SetValue("abc");
  EXPECT_STREQ("abc", attribute.GetValue().GetBuffer());
  EXPECT_EQ(COvScriptTreeAttribute::eTypeString, attribute.GetType());
  EXPECT_EQ(9u, attribute.GetRawValue());
}

TEST(ScriptTreeAttributeValue, WideTextIsHeldAsUtf8) {
  const wchar_t wide[] = {L'a', 0xE9, 0x20AC, 0};
  COvScriptTreeAttribute attribute(COvIdentifier("w"), TOvString<wchar_t>(wide));
  EXPECT_EQ(COvScriptTreeAttribute::eTypeString, attribute.GetType());
  EXPECT_STREQ("a\xC3\xA9\xE2\x82\xAC", attribute.GetValue().GetBuffer());
  EXPECT_TRUE(attribute.GetWValue() == wide);

  attribute.SetValue("plain");
  EXPECT_TRUE(attribute.GetWValue() == L"plain");
  attribute.SetWValue(TOvString<wchar_t>());
  EXPECT_STREQ("", attribute.GetValue().GetBuffer());
  EXPECT_TRUE(attribute.GetWValue().IsEmpty());
}

}  // namespace
