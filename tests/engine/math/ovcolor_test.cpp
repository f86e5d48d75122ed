#include "engine/math/ovcolor.h"

#include <gtest/gtest.h>

#include <cstring>

using RGBb = COvRGB<unsigned char>;
using RGBAb = COvRGBA<unsigned char>;
using RGBf = COvRGB<float>;
using RGBAf = COvRGBA<float>;

TEST(OvColorStorage, ChannelsInTheOrderOfTheName) {
  unsigned char raw[4];
  COvBGR<unsigned char> bgr(1, 2, 3);
  std::memcpy(raw, &bgr, 3);
  EXPECT_EQ(3, raw[0]);
  EXPECT_EQ(2, raw[1]);
  EXPECT_EQ(1, raw[2]);
  EXPECT_EQ(3, bgr[0]);

  COvARGB<unsigned char> argb(1, 2, 3, 4);
  std::memcpy(raw, &argb, 4);
  EXPECT_EQ(4, raw[0]);
  EXPECT_EQ(1, raw[1]);
  EXPECT_EQ(3, raw[3]);
  EXPECT_EQ(4, argb[0]);

  RGBAb rgba(1, 2, 3, 4);
  std::memcpy(raw, &rgba, 4);
  EXPECT_EQ(1, raw[0]);
  EXPECT_EQ(4, raw[3]);

  EXPECT_EQ(3, RGBb::e_max);
  EXPECT_EQ(3, COvBGR<float>::e_max);
  EXPECT_EQ(4, RGBAf::e_max);
  EXPECT_EQ(4, COvARGB<unsigned short>::e_max);
  EXPECT_EQ(RGBAf(0.5f, 0.25f, 1, 0.75f), RGBAf(RGBf(0.5f, 0.25f, 1), 0.75f));
  EXPECT_NE(RGBAf(0.5f, 0.25f, 1, 0.75f), RGBAf(0.5f, 0.25f, 1, 0.5f));

  argb.Set(5, 6, 7, 8);
  EXPECT_EQ(8, argb.a);
  EXPECT_EQ(RGBb(5, 6, 7), argb.GetRGB());
  bgr.Set(9, 8, 7);
  EXPECT_EQ(9, bgr.r);
  EXPECT_EQ(7, bgr[0]);
}

TEST(OvColorArithmetic, FloatChannelsAreNotClamped) {
  RGBf a(0.5f, 0.25f, 1.0f), b(0.5f, 0.5f, 0.5f);
  EXPECT_EQ(RGBf(1.0f, 0.75f, 1.5f), a + b);
  EXPECT_EQ(RGBf(0.0f, -0.25f, 0.5f), a - b);
  EXPECT_EQ(RGBf(0.25f, 0.125f, 0.5f), a * b);
  EXPECT_EQ(RGBf(1.0f, 0.5f, 2.0f), a / b);
  EXPECT_EQ(RGBf(1.0f, 0.5f, 2.0f), a * 2.0f);
  EXPECT_EQ(RGBf(0.25f, 0.125f, 0.5f), a / 2.0f);
  EXPECT_EQ(RGBf(1.0f, 0.75f, 1.5f), a + 0.5f);
  EXPECT_EQ(RGBf(0.0f, -0.25f, 0.5f), a - 0.5f);
  a += b;
  a *= 2.0f;
  EXPECT_EQ(RGBf(2.0f, 1.5f, 3.0f), a);
  RGBAf c(0.5f, 0.5f, 0.5f, 0.5f);
  c -= RGBAf(0.25f, 0.5f, 0.75f, 1.0f);
  EXPECT_EQ(RGBAf(0.25f, 0.0f, -0.25f, -0.5f), c);
}

TEST(OvColorArithmetic, IntegerChannelsSaturate) {
  EXPECT_EQ(RGBb(255, 200, 150), RGBb(200, 100, 50) + RGBb(100, 100, 100));
  EXPECT_EQ(RGBb(0, 10, 0), RGBb(10, 20, 30) - RGBb(20, 10, 40));
  EXPECT_EQ(RGBb(255, 40, 0), RGBb(200, 20, 0) * 2);
  EXPECT_EQ(RGBb(100, 10, 0), RGBb(200, 20, 1) / 2);
  EXPECT_EQ(RGBb(255, 4, 6), RGBb(16, 2, 2) * RGBb(16, 2, 3));
  EXPECT_EQ(COvRGBA<unsigned short>(65535, 0, 3, 65535), COvRGBA<unsigned short>(60000, 5, 1, 1) +
                                                             COvRGBA<unsigned short>(60000, 0, 2, 65534) -
                                                             COvRGBA<unsigned short>(0, 5, 0, 0));
  RGBAb c(250, 5, 100, 128);
  c += 10;
  EXPECT_EQ(RGBAb(255, 15, 110, 138), c);
  c -= 20;
  EXPECT_EQ(RGBAb(235, 0, 90, 118), c);
}

TEST(OvColorArithmetic, IntegerDivisionByZeroGivesTheMaximum) {
  EXPECT_EQ(RGBb(255, 0, 3), RGBb(7, 0, 9) / RGBb(0, 0, 3));
  EXPECT_EQ(RGBb(255, 0, 255), RGBb(7, 0, 9) / 0);
  EXPECT_EQ(COvRGB<unsigned short>(65535, 0, 65535), COvRGB<unsigned short>(1, 0, 2) / 0);
}

TEST(OvColorClamp, ClampsTheNamedChannels) {
  RGBAf c(-1.0f, 0.5f, 2.0f, 3.0f);
  c.ClampR(0.0f, 1.0f);
  EXPECT_EQ(RGBAf(0.0f, 0.5f, 2.0f, 3.0f), c);
  c.ClampG(0.6f, 1.0f);
  EXPECT_EQ(RGBAf(0.0f, 0.6f, 2.0f, 3.0f), c);
  c.ClampB(0.0f, 1.5f);
  EXPECT_EQ(RGBAf(0.0f, 0.6f, 1.5f, 3.0f), c);
  c.ClampRGB(0.2f, 0.4f);
  EXPECT_EQ(RGBAf(0.2f, 0.4f, 0.4f, 3.0f), c);
  c.ClampRGBA(0.3f, 1.0f);
  EXPECT_EQ(RGBAf(0.3f, 0.4f, 0.4f, 1.0f), c);

  COvBGR<unsigned char> bgr(10, 128, 250);
  bgr.ClampRGB(16, 235);
  EXPECT_EQ(COvBGR<unsigned char>(16, 128, 235), bgr);
}

TEST(OvColorDotProduct, SumsEveryChannelProductWithoutOverflow) {
  EXPECT_EQ(32.0f, RGBf(1, 2, 3).DotProduct(RGBf(4, 5, 6)));
  EXPECT_EQ(260100u, RGBAb(255, 255, 255, 255).DotProduct(RGBAb(255, 255, 255, 255)));
  EXPECT_EQ(
      12884508675ull,
      COvRGB<unsigned short>(65535, 65535, 65535).DotProduct(COvRGB<unsigned short>(65535, 65535, 65535)));
  EXPECT_EQ(30u, COvARGB<unsigned char>(1, 2, 3, 4).DotProduct(COvARGB<unsigned char>(1, 2, 3, 4)));
}

TEST(OvColorLuminance, WeightedSumOfRedGreenBlue) {
  EXPECT_FLOAT_EQ(0.299f, RGBf(1, 0, 0).GetLuminance());
  EXPECT_FLOAT_EQ(0.587f, RGBAf(0, 1, 0, 0.5f).GetLuminance());
  EXPECT_FLOAT_EQ(0.114f, COvBGR<float>(0, 0, 1).GetLuminance());
  EXPECT_FLOAT_EQ(0.2f * 0.299f + 0.4f * 0.587f + 0.6f * 0.114f, RGBf(0.2f, 0.4f, 0.6f).GetLuminance());
}

TEST(OvColorLuminance, IntegerChannelsRoundToNearest) {
  const struct {
    RGBb color;
    unsigned char expected;
  } rows[] = {
      {RGBb(255, 255, 255), 255}, {RGBb(1, 1, 1), 1},         {RGBb(0, 0, 0), 0},
      {RGBb(255, 0, 0), 76},      {RGBb(0, 255, 0), 150},     {RGBb(0, 0, 255), 29},
      {RGBb(200, 100, 50), 124},  {RGBb(100, 150, 200), 141},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(static_cast<int>(row.color.r) * 65536 + row.color.g * 256 + row.color.b);
    EXPECT_EQ(row.expected, row.color.GetLuminance());
  }
  EXPECT_EQ(65535, COvRGB<unsigned short>(65535, 65535, 65535).GetLuminance());
  EXPECT_EQ(19595, COvARGB<unsigned short>(65535, 0, 0, 0).GetLuminance());
}

TEST(OvColorLuminance, SetGrayScaleKeepsAlpha) {
  RGBAb c(200, 100, 50, 7);
  c.SetGrayScale();
  EXPECT_EQ(RGBAb(124, 124, 124, 7), c);
  COvARGB<float> f(1, 0, 0, 0.5f);
  f.SetGrayScale();
  EXPECT_FLOAT_EQ(0.299f, f.g);
  EXPECT_EQ(0.5f, f.a);
}
