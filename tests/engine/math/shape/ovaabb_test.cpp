#include "engine/math/shape/ovaabb.h"

#include <gtest/gtest.h>

#include "engine/math/shape/ovball.h"
#include "engine/math/math_test_util.h"

TEST(OvAABB, ContainmentAndIntersectionIncludeTheBoundary) {
  COvAABB2 box(COvVector2(0, 0), COvVector2(2, 1));
  const struct {
    COvAABB2 other;
    bool intersects, contains;
  } rows[] = {
      {COvAABB2(COvVector2(1, 0.5f), COvVector2(1.5f, 1)), true, true},
      {COvAABB2(COvVector2(2, 1), COvVector2(3, 2)), true, false},     // touching corners
      {COvAABB2(COvVector2(2.01f, 0), COvVector2(3, 1)), false, false},
      {COvAABB2(COvVector2(-1, -1), COvVector2(3, 2)), true, false},
      {COvAABB2::Empty(), false, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.other.min.x);
    EXPECT_EQ(row.intersects, box.intersects(row.other));
    EXPECT_EQ(row.intersects, row.other.intersects(box));
    EXPECT_EQ(row.contains, box.contains(row.other));
  }
  COvAABB2 common;
  ASSERT_TRUE(box.getIntersection(COvAABB2(COvVector2(1, -1), COvVector2(5, 0.5f)), common));
  EXPECT_EQ(COvAABB2(COvVector2(1, 0), COvVector2(2, 0.5f)), common);
  EXPECT_VEC_NEAR(COvVector2(2, 0.5f), box.getClosestPoint(COvVector2(4, 0.5f)), 0.0f);
  EXPECT_FLOAT_EQ(5.0f, box.getDistanceSquared(COvVector2(4, -1)));
}

TEST(OvAABB, ExtendGrowsFromEmpty) {
  COvAABB3 box = COvAABB3::Empty();
  EXPECT_TRUE(box.isEmpty());
  EXPECT_EQ(0.0f, box.getVolume());
  box.extend(COvVector3(1, 2, 3));
  box.extend(COvVector3(-1, 4, 3));
  EXPECT_EQ(COvAABB3(COvVector3(-1, 2, 3), COvVector3(1, 4, 3)), box);
  box.inflate(1.0f);
  EXPECT_FLOAT_EQ(4 * 4 * 2, box.getVolume());
  EXPECT_FLOAT_EQ(2 * (16 + 8 + 8), box.getSurfaceArea());
  EXPECT_EQ(COvVector3(3, 5, 2), COvAABB3(COvVector3(2, 1, 2), COvVector3(3, 5, 4)).getCorner(3));
}

TEST(OvAABB, TransformedBoxIsTheBoxOfTheTransformedCorners) {
  COvRandom rng(5);
  for (int n = 0; n < 20; ++n) {
    COvMatrix44 m, s;
    m.setRotation(rng.UnitQuaternion(), true);
    s.makeScale(COvVector3(rng.Range(0.5f, 2), rng.Range(-2, -0.5f), 1));
    m = s * m;
    m.setTranslation(RandomPoint(rng, 5));
    COvAABB3 box(COvVector3(-1, 0, 2), COvVector3(2, 3, 2.5f)), expected = COvAABB3::Empty();
    for (int c = 0; c < 8; ++c) expected.extend(m.transformPoint(box.getCorner(c)));
    COvAABB3 actual = box.getTransformed(m);
    EXPECT_VEC_NEAR(expected.min, actual.min, 1e-4f);
    EXPECT_VEC_NEAR(expected.max, actual.max, 1e-4f);
  }
  EXPECT_TRUE(COvAABB3::Empty().getTransformed(COvMatrix44()).isEmpty());
}

TEST(OvBall, ContainmentIntersectionAndGrowth) {
  COvSphere s(COvVector3(1, 0, 0), 2);
  EXPECT_TRUE(s.contains(COvVector3(3, 0, 0)));
  EXPECT_FALSE(s.contains(COvVector3(3, 0.1f, 0)));
  EXPECT_TRUE(s.contains(COvSphere(COvVector3(0, 0, 0), 1)));
  EXPECT_TRUE(s.intersects(COvSphere(COvVector3(5, 0, 0), 2)));
  EXPECT_FALSE(s.intersects(COvSphere(COvVector3(5, 0.1f, 0), 2)));
  // The box corner (2.5, 1.5, 0) is farther than 2 from the centre, its face point is not.
  EXPECT_FALSE(s.intersects(COvAABB3(COvVector3(2.5f, 1.5f, -1), COvVector3(4, 4, 1))));
  EXPECT_TRUE(s.intersects(COvAABB3(COvVector3(2.5f, -1, -1), COvVector3(4, 4, 1))));
  EXPECT_FLOAT_EQ(1.0f, s.getDistance(COvVector3(1, 3, 0)));
  EXPECT_VEC_NEAR(COvVector3(1, 2, 0), s.getClosestPoint(COvVector3(1, 3, 0)), 1e-6f);
  COvCircle c(COvVector2(0, 0), 1);
  COvRandom rng(2);
  for (int n = 0; n < 20; ++n) {
    COvVector2 p = RandomPoint2(rng, 10);
    COvCircle before = c;
    c.extend(p);
    EXPECT_TRUE(COvCircle(c.center, c.radius + 1e-4f).contains(p));
    EXPECT_TRUE(COvCircle(c.center, c.radius + 1e-4f).contains(before));
  }
}
