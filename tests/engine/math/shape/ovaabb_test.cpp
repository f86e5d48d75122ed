#include "engine/math/shape/ovaabb.h"

#include <gtest/gtest.h>

#include "engine/math/math_test_util.h"
#include "engine/math/shape/ovball.h"

TEST(OvAABB, ContainmentAndIntersectionIncludeTheBoundary) {
  COvAABB2 box(COvVector2(0, 0), COvVector2(2, 1)), common;
  const struct {
    COvAABB2 other;
    bool intersects, contains;
  } rows[] = {{COvAABB2(COvVector2(1, 0.5f), COvVector2(1.5f, 1)), true, true},
              {COvAABB2(COvVector2(2, 1), COvVector2(3, 2)), true, false},  // touching corners
              {COvAABB2(COvVector2(2.01f, 0), COvVector2(3, 1)), false, false},
              {COvAABB2::Empty(), false, false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.other.min.x);
    EXPECT_EQ(row.intersects, box.intersects(row.other) && row.other.intersects(box));
    EXPECT_EQ(row.contains, box.contains(row.other));
  }
  ASSERT_TRUE(box.getIntersection(COvAABB2(COvVector2(1, -1), COvVector2(5, 0.5f)), common));
  EXPECT_EQ(COvAABB2(COvVector2(1, 0), COvVector2(2, 0.5f)), common);
  EXPECT_FLOAT_EQ(5.0f, box.getDistanceSquared(COvVector2(4, -1)));
  COvAABB3 grown = COvAABB3::Empty();
  grown.extend(COvVector3(1, 2, 3));
  grown.extend(COvVector3(-1, 4, 3));
  grown.inflate(1.0f);
  EXPECT_EQ(COvAABB3(COvVector3(-2, 1, 2), COvVector3(2, 5, 4)), grown);
  EXPECT_FLOAT_EQ(2 * (16 + 8 + 8), grown.getSurfaceArea());
}

TEST(OvAABB, TransformedBoxIsTheBoxOfTheTransformedCorners) {
  COvRandom rng(5);
  for (int n = 0; n < 20; ++n) {
    COvMatrix44 m, s;
    s.makeScale(COvVector3(rng.Range(0.5f, 2), rng.Range(-2, -0.5f), 1));
    m.setRotation(rng.UnitQuaternion(), true);
    m = s * m;
    m.setTranslation(RandomPoint(rng, 5));
    COvAABB3 box(COvVector3(-1, 0, 2), COvVector3(2, 3, 2.5f)), expected = COvAABB3::Empty();
    for (int c = 0; c < 8; ++c) expected.extend(m.transformPoint(box.getCorner(c)));
    EXPECT_VEC_NEAR(expected.min, box.getTransformed(m).min, 1e-4f);
    EXPECT_VEC_NEAR(expected.max, box.getTransformed(m).max, 1e-4f);
  }
}

TEST(OvBall, ContainmentIntersectionAndGrowth) {
  COvSphere s(COvVector3(1, 0, 0), 2);
  EXPECT_TRUE(s.contains(COvVector3(3, 0, 0)) && !s.contains(COvVector3(3, 0.1f, 0)));
  EXPECT_TRUE(s.intersects(COvSphere(COvVector3(5, 0, 0), 2)));
  EXPECT_FALSE(s.intersects(COvSphere(COvVector3(5, 0.1f, 0), 2)));
  // The box corner (2.5, 1.5, 0) is farther than 2 from the centre, the face point is not.
  EXPECT_FALSE(s.intersects(COvAABB3(COvVector3(2.5f, 1.5f, -1), COvVector3(4, 4, 1))));
  EXPECT_TRUE(s.intersects(COvAABB3(COvVector3(2.5f, -1, -1), COvVector3(4, 4, 1))));
  COvVector3 cloud[50];
  COvRandom pts(3);
  for (auto& p : cloud) p = RandomPoint(pts, 2);
  COvSphere bound = COvSphere::FromPoints(cloud, 50);
  for (const auto& p : cloud) EXPECT_LE(bound.center.distance(p), bound.radius + 1e-4f);
  EXPECT_LT(bound.radius, 2 * 1.74f);  // never worse than the cube's circumsphere
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
