#include "engine/math/ovcolor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

using RGBb = COvRGB<unsigned char>;
using RGBf = COvRGB<float>;
using RGBAf = COvRGBA<float>;

TEST(OvColor, ChannelsInTheOrderOfTheName) {
  const COvBGR<unsigned char> bgr(1, 2, 3);
  const COvARGB<unsigned char> argb(1, 2, 3, 4);
  EXPECT_TRUE(std::memcmp(&bgr, "\3\2\1", 3) == 0 && std::memcmp(&argb, "\4\1\2\3", 4) == 0);
  EXPECT_EQ(RGBb(1, 2, 3), argb.GetRGB());
  // Conversions rescale the channel ranges; a missing alpha becomes opaque.
  EXPECT_EQ(COvARGB<unsigned short>(257, 514, 771, 65535),
            OvConvertColor<COvARGB<unsigned short>>(RGBb(1, 2, 3)));
  EXPECT_EQ(RGBb(128, 0, 255), OvConvertColor<RGBb>(RGBAf(0.5f, -1.0f, 2.0f, 0.0f)));
}

TEST(OvColor, FloatsAreExactIntegersSaturate) {
  EXPECT_EQ(RGBf(0.0f, -0.25f, 2.5f), RGBf(0.5f, 0.25f, 3.0f) - 0.5f);
  EXPECT_EQ(RGBb(255, 200, 150), RGBb(200, 100, 50) + RGBb(100, 100, 100));
  EXPECT_EQ(RGBb(0, 10, 0), RGBb(10, 20, 30) - RGBb(20, 10, 40));
  // Division by zero gives the maximum, 0 / 0 gives 0.
  EXPECT_EQ(RGBb(255, 0, 3), RGBb(7, 0, 9) / RGBb(0, 0, 3));
  EXPECT_EQ(COvRGB<unsigned short>(65535, 0, 65535), COvRGB<unsigned short>(1, 0, 2) / 0);
  RGBAf c(-1.0f, 0.5f, 2.0f, 3.0f);
  c.ClampR(0.0f, 1.0f), c.ClampRGB(0.3f, 1.0f);
  EXPECT_EQ(RGBAf(0.3f, 0.5f, 1.0f, 3.0f), c);
}

TEST(OvColor, LuminanceRoundsIntegerChannels) {
  const RGBb colors[4] = {RGBb(255, 255, 255), RGBb(1, 1, 1), RGBb(255, 0, 0), RGBb(200, 100, 50)};
  const unsigned char expected[4] = {255, 1, 76, 124};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(expected[i], colors[i].GetLuminance()) << i;
  COvRGBA<unsigned char> gray(200, 100, 50, 7);
  gray.SetGrayScale();
  EXPECT_EQ(COvRGBA<unsigned char>(124, 124, 124, 7), gray);
}
