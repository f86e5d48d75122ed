#include "engine/math/ovrandom.h"

#include <gtest/gtest.h>

TEST(OvRandom, RepeatableSequencesAndRanges) {
  COvRandom a(1), b(1), c(2), rng(5);
  int same = 0, hits[4] = {0, 0, 0, 0};
  for (int i = 0; i < 100; ++i) {
    uint32_t x = a.NextUInt();
    EXPECT_EQ(x, b.NextUInt());
    same += x == c.NextUInt();
  }
  EXPECT_LT(same, 3);
  double sum = 0;
  for (int i = 0; i < 20000; ++i) {
    float f = rng.NextFloat(), r = rng.Range(-3, 5);
    int k = rng.RangeInt(-1, 2);
    ASSERT_TRUE(f >= 0.0f && f < 1.0f && r >= -3 && r < 5 && k >= -1 && k <= 2);
    sum += f, ++hits[k + 1];
    EXPECT_NEAR(1.0f, rng.UnitVector3().length() * rng.UnitQuaternion().length(), 1e-5f);
  }
  EXPECT_NEAR(0.5, sum / 20000, 0.01);
  for (int h : hits) EXPECT_NEAR(5000, h, 300);
  EXPECT_EQ(7, rng.RangeInt(7, 3));
}
