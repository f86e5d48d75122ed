#include "engine/parameter/ovparameter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/parameter/ovparametercolor.h"
#include "engine/parameter/ovparametercolorgradient.h"
#include "engine/parameter/ovparameterfloat.h"
#include "engine/parameter/ovparametergroup.h"
#include "engine/parameter/ovparametergrouplist.h"
#include "engine/parameter/ovparameterint.h"

TEST(OvParameter, ValuesRenderAsTextCutToTheBuffer) {
  COvParameterGroup group("render");
  COvParameter* number = group.AddParameterInt("lives", -42, 0, 10, 1);
  COvParameter* speed = group.AddParameterFloat("speed", 2.5f, 0, 1, 0.1f);
  COvParameter* tint = group.AddParameterColor("tint", 1, 0.5f, 0, 1);
  COvParameter* wild = group.AddParameterColor("wild", NAN, 1e30f, -1e30f, 0.999f);
  COvParameter* fade =
      group.AddParameterColorGradient("fade", COvRGBA<float>(), COvRGBA<float>(1, 1, 1, 1), 2);
  struct Row {
    COvParameter* parameter;
    COvParameter::EType type;
    int size;
    const char* text;
  };
  const Row rows[] = {
      {number, COvParameter::eTypeInt, 16, "-42"},
      {number, COvParameter::eTypeInt, 3, "-4"},
      {speed, COvParameter::eTypeFloat, 16, "2.500000"},
      {tint, COvParameter::eTypeColor, 32, "255,127,0,255"},
      {wild, COvParameter::eTypeColor, 40, "0,2147483647,-2147483648,254"},
      {fade, COvParameter::eTypeColorGradient, 16, "GRADIENT"},
      {fade, COvParameter::eTypeColorGradient, 4, "GRA"},
      {fade, COvParameter::eTypeColorGradient, 1, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    char buffer[64];
    std::string(sizeof(buffer) - 1, '#').copy(buffer, sizeof(buffer));
    buffer[sizeof(buffer) - 1] = 0;
    row.parameter->GetValueAsText(buffer, row.size);
    EXPECT_EQ(row.type, row.parameter->GetType());
    EXPECT_STREQ(row.text, buffer);
    EXPECT_EQ('#', buffer[row.size]);  // nothing written past the size
  }
  // No buffer, or no room at all: nothing is written.
  char untouched = 'x';
  for (COvParameter* parameter : {number, speed, tint, fade}) {
    parameter->GetValueAsText(nullptr, 8);
    parameter->GetValueAsText(&untouched, 0);
    parameter->GetValueAsText(&untouched, -1);
  }
  EXPECT_EQ('x', untouched);
}

TEST(OvParameterColorGradient, StepsTowardsTheEndWithoutReachingIt) {
  struct Row {
    int count;
    std::vector<float> grey;  // red, green and blue of each colour; alpha stays 1
  };
  const Row rows[] = {{4, {0.0f, 0.25f, 0.5f, 0.75f}}, {1, {0.0f}}, {0, {}}, {-3, {}}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.count);
    COvParameterColorGradient gradient("g", COvRGBA<float>(0, 0, 0, 1), COvRGBA<float>(1, 1, 1, 1),
                                       row.count);
    const COvArray<COvRGBA<float>>& colors = gradient.GetValue();
    ASSERT_EQ(static_cast<int>(row.grey.size()), colors.GetCount());
    for (int i = 0; i < colors.GetCount(); ++i) {
      EXPECT_FLOAT_EQ(row.grey[i], colors[i].r);
      EXPECT_FLOAT_EQ(row.grey[i], colors[i].g);
      EXPECT_FLOAT_EQ(row.grey[i], colors[i].b);
      EXPECT_FLOAT_EQ(1.0f, colors[i].a);
    }
  }
}

TEST(OvParameterGroup, RemovesOnlyItsOwnParameters) {
  COvParameterGroupList list;
  COvParameterGroup* group = list.AddParameterGroup("physics");
  COvParameterGroup* other = list.AddParameterGroup("audio");
  EXPECT_EQ(2, list.GetParameterGroupCount());
  EXPECT_EQ(other, list.GetParameterGroup(1));
  EXPECT_EQ(nullptr, list.GetParameterGroup(2));

  COvParameterInt* gravity = group->AddParameterInt("gravity", 10, 0, 20, 1);
  COvParameterFloat* drag = group->AddParameterFloat("drag", 0.1f, 0, 1, 0.01f);
  COvParameterInt* volume = other->AddParameterInt("volume", 5, 0, 10, 1);
  gravity->SetValue(50);  // not clamped to the range
  EXPECT_EQ(50, gravity->GetValue());

  group->RemoveParameter(volume, true);  // not this group's: stays alive in the other
  EXPECT_EQ(2, group->GetParameterCount());
  EXPECT_EQ(5, volume->GetValue());
  group->RemoveParameter(gravity, false);
  EXPECT_EQ(drag, group->GetParameter(0));
  EXPECT_EQ(nullptr, group->GetParameter(1));
  group->RemoveParameter(drag, true);
  EXPECT_EQ(0, group->GetParameterCount());
  other->RemoveAllParameters(false);
  EXPECT_EQ(0, other->GetParameterCount());
  EXPECT_STREQ("gravity", gravity->GetName());
  delete gravity;
  delete volume;
}
