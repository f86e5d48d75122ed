#include "engine/parameter/ovparameter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/parameter/ovparametercolor.h"
#include "engine/parameter/ovparametercolorgradient.h"
#include "engine/parameter/ovparameterfloat.h"
#include "engine/parameter/ovparametergroup.h"
#include "engine/parameter/ovparametergrouplist.h"
#include "engine/parameter/ovparameterint.h"

TEST(OvParameter, ValuesRenderAsTextCutToTheBuffer) {
  COvParameterGroupList list;
  COvParameterGroup* group = list.AddParameterGroup("render");
  COvRGBA<float> black(0, 0, 0, 1), white(1, 1, 1, 1);
  // A parameter, the buffer's size and the text written.
  const std::tuple<COvParameter*, int, const char*> rows[] = {
      {group->AddParameterInt("lives", -42, 0, 10, 1), 3, "-4"},
      {group->AddParameterFloat("speed", 2.5f, 0, 1, 0.1f), 16, "2.500000"},
      {group->AddParameterColor("tint", 1, 0.5f, 0, 1), 32, "255,127,0,255"},
      {group->AddParameterColor("wild", NAN, 1e30f, -1e30f, 0.999f), 40, "0,2147483647,-2147483648,254"},
      {group->AddParameterColorGradient("fade", black, white, 2), 16, "GRADIENT"},
      {group->GetParameter(4), 1, ""},
  };
  for (const auto& [parameter, size, text] : rows) {
    SCOPED_TRACE(text);
    char buffer[48];
    std::memset(buffer, '#', sizeof(buffer));
    parameter->GetValueAsText(buffer, size);
    EXPECT_STREQ(text, buffer);
    // Nothing written past the size, nor into no buffer or one of size 0.
    char untouched = 'x';
    parameter->GetValueAsText(nullptr, 8);
    parameter->GetValueAsText(&untouched, 0);
    EXPECT_TRUE(buffer[size] == '#' && untouched == 'x');
  }
  EXPECT_TRUE(list.GetParameterGroup(0) == group && !list.GetParameterGroup(1));
}

TEST(OvParameterColorGradient, StepsTowardsTheEndWithoutReachingIt) {
  // The count, then the red, green and blue of each colour; alpha stays 1.
  const std::pair<int, std::vector<float>> rows[] = {
      {4, {0.0f, 0.25f, 0.5f, 0.75f}}, {1, {0.0f}}, {0, {}}, {-3, {}}};
  for (const auto& [count, grey] : rows) {
    SCOPED_TRACE(count);
    COvParameterColorGradient gradient("g", COvRGBA<float>(0, 0, 0, 1), COvRGBA<float>(1, 1, 1, 1), count);
    const COvArray<COvRGBA<float>>& colors = gradient.GetValue();
    ASSERT_EQ(static_cast<int>(grey.size()), colors.GetCount());
    for (int i = 0; i < colors.GetCount(); ++i)
      EXPECT_EQ(COvRGBA<float>(grey[i], grey[i], grey[i], 1), colors[i]);
  }
}

TEST(OvParameterGroup, RemovesOnlyItsOwnParameters) {
  COvParameterGroup group("physics"), other("audio");
  COvParameterInt* gravity = group.AddParameterInt("gravity", 10, 0, 20, 1);
  COvParameter* drag = group.AddParameterFloat("drag", 0.1f, 0, 1, 0.01f);
  COvParameterInt* volume = other.AddParameterInt("volume", 5, 0, 10, 1);
  group.RemoveParameter(volume, true);  // not this group's: stays alive in the other
  EXPECT_TRUE(group.GetParameterCount() == 2 && other.GetParameter(0) == volume);
  group.RemoveParameter(gravity, false);  // kept alive for the caller
  EXPECT_TRUE(group.GetParameter(0) == drag && !group.GetParameter(1));
  EXPECT_STREQ("gravity", gravity->GetName());
  delete gravity;
}
