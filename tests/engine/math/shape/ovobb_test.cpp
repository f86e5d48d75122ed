#include "engine/math/shape/ovobb.h"

#include <gtest/gtest.h>

#include "engine/math/math_test_util.h"
#include "engine/math/shape/ovline2.h"

TEST(OvOBB, PointQueriesInTheBoxFrame) {
  COvOBB3 b3(COvVector3(), COvVector3(1, 2, 3), COvQuaternion(COvAngleAxis(COvVector3(0, 0, 1), kOvHalfPi)));
  EXPECT_TRUE(b3.contains(COvVector3(1.9f, 0.9f, 2.9f)));
  EXPECT_FALSE(b3.contains(COvVector3(0.9f, 1.9f, 0)));
  EXPECT_VEC_NEAR(COvVector3(2, 0, 3), b3.getClosestPoint(COvVector3(5, 0, 4)), 1e-5f);
  EXPECT_VEC_NEAR(COvVector3(-2, -1, -3), b3.getAABB().min, 1e-5f);
  COvMatrix44 m;
  m.makeScale(COvVector3(2, 1, 1));
  m.setTranslation(COvVector3(0, 0, 5));
  COvOBB3 fromBox(COvAABB3(COvVector3(0, 0, 0), COvVector3(1, 1, 1)), m);
  EXPECT_VEC_NEAR(COvVector3(1, 0.5f, 5.5f), fromBox.center, 1e-6f);
  EXPECT_VEC_NEAR(COvVector3(1, 0.5f, 0.5f), fromBox.halfSize, 1e-6f);
}

TEST(OvOBB, SeparatingAxisTest2DMatchesEdgeCrossings) {
  COvRandom rng(12);
  const int ring[5] = {0, 1, 3, 2, 0};
  for (int n = 0; n < 300; ++n) {
    COvOBB2 a(RandomPoint2(rng, 2), COvVector2(rng.Range(0.1f, 1.5f), rng.Range(0.1f, 1.5f)), rng.Range(0, 7));
    COvOBB2 b(RandomPoint2(rng, 2), COvVector2(rng.Range(0.1f, 1.5f), rng.Range(0.1f, 1.5f)), rng.Range(0, 7));
    // Convex polygons meet when edges cross or one holds the other's centre.
    bool expected = a.contains(b.center) || b.contains(a.center);
    for (int i = 0; i < 4; ++i)
      for (int j = 0; j < 4; ++j)
        expected |= COvSegment2(a.getCorner(ring[i]), a.getCorner(ring[i + 1]))
                        .intersects(COvSegment2(b.getCorner(ring[j]), b.getCorner(ring[j + 1])));
    EXPECT_EQ(expected, a.intersects(b)) << n;
  }
}

TEST(OvOBB, SeparatingAxisTest3DAgreesWithSampling) {
  COvRandom rng(13);
  for (int n = 0; n < 100; ++n) {
    COvOBB3 a(RandomPoint(rng, 2), COvVector3(rng.Range(0.2f, 1), rng.Range(0.2f, 1), 0.5f), rng.UnitQuaternion());
    COvOBB3 b(RandomPoint(rng, 2), COvVector3(0.5f, rng.Range(0.2f, 1), rng.Range(0.2f, 1)), rng.UnitQuaternion());
    bool common = false;
    for (int k = 0; k < 2000 && !common; ++k) common = b.contains(a.toWorld(RandomPoint(rng, 1).multiply(a.halfSize)));
    EXPECT_TRUE(!common || a.intersects(b)) << n;
    EXPECT_EQ(a.intersects(b), b.intersects(a));
  }
  // A's edge along Z faces B's edge along Y at 2√2 on X, an axis only the cross products offer.
  COvOBB3 a(COvVector3(), COvVector3(1, 1, 1), COvQuaternion(COvAngleAxis(COvVector3(0, 0, 1), kOvHalfPi / 2)));
  COvQuaternion aboutY(COvAngleAxis(COvVector3(0, 1, 0), kOvHalfPi / 2));
  EXPECT_TRUE(a.intersects(COvOBB3(COvVector3(2.8f, 0, 0), COvVector3(1, 1, 1), aboutY)));
  EXPECT_FALSE(a.intersects(COvOBB3(COvVector3(2.86f, 0, 0), COvVector3(1, 1, 1), aboutY)));
}
