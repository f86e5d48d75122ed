#include "engine/math/shape/ovtriangleshape.h"

#include <gtest/gtest.h>

#include <cfloat>

#include "engine/math/math_test_util.h"

TEST(OvTriangleShape, ClosestPointMatchesSampling) {
  COvRandom rng(21);
  for (int n = 0; n < 20; ++n) {
    COvTriangle3 tri(RandomPoint(rng, 2), RandomPoint(rng, 2), RandomPoint(rng, 2));
    COvVector3 p = RandomPoint(rng, 4);
    float best = FLT_MAX;
    for (int i = 0; i <= 150; ++i)
      for (int j = 0; i + j <= 150; ++j) best = std::fmin(best, (tri.getPoint(1 - (i + j) / 150.0f, i / 150.0f, j / 150.0f) - p).length());
    float exact = (tri.getClosestPoint(p) - p).length();
    EXPECT_LE(exact, best + 1e-4f);
    EXPECT_NEAR(best, exact, 0.05f);
    // Box overlap: a sampled common point proves it; none among many makes it unlikely.
    COvVector3 corner = RandomPoint(rng, 1.5f);
    COvAABB3 box(corner, corner + COvVector3(1, 1, 1));
    int common = 0;
    for (int i = 0; i < 3000; ++i) {
      float u = rng.NextFloat(), v = rng.NextFloat() * (1 - u);
      common += box.contains(tri.getPoint(1 - u - v, u, v));
    }
    if (common > 0) {
      EXPECT_TRUE(tri.intersects(box));
    }
    if (!tri.intersects(box)) {
      EXPECT_GT(box.getDistanceSquared(tri.getClosestPoint(box.getCenter())), 0.0f);
    }
  }
  // The triangle's plane passes just beyond the box's corner (1, 1, 0), or just through it.
  COvAABB3 unit(COvVector3(0, 0, 0), COvVector3(1, 1, 1));
  EXPECT_FALSE(COvTriangle3(COvVector3(2.1f, 0, 0), COvVector3(0, 2.1f, 0), COvVector3(2.1f, 2.1f, 5)).intersects(unit));
  EXPECT_TRUE(COvTriangle3(COvVector3(1.9f, 0, 0), COvVector3(0, 1.9f, 0), COvVector3(1.9f, 1.9f, 5)).intersects(unit));
}

TEST(OvTriangleShape, BarycentricContainmentAndCircumcircle) {
  COvTriangle2 tri(COvVector2(0, 0), COvVector2(4, 0), COvVector2(0, 4)), back(tri.c, tri.b, tri.a);
  float u, v, w;
  ASSERT_TRUE(tri.getBarycentric(COvVector2(1, 2), u, v, w));
  EXPECT_VEC_NEAR(COvVector3(0.25f, 0.25f, 0.5f), COvVector3(u, v, w), 1e-6f);
  const struct {
    COvVector2 p;
    bool inside;
  } rows[] = {{COvVector2(1, 1), true}, {COvVector2(2, 2), true}, {COvVector2(2.1f, 2), false}, {COvVector2(-0.1f, 1), false}};
  for (const auto& row : rows) EXPECT_TRUE(tri.contains(row.p) == row.inside && back.contains(row.p) == row.inside) << row.p.x;
  EXPECT_FLOAT_EQ(-8.0f, back.getSignedArea());
  COvCircle c;
  ASSERT_TRUE(tri.getCircumcircle(c));
  EXPECT_VEC_NEAR(COvVector2(2, 2), c.center, 1e-6f);
  EXPECT_FALSE(COvTriangle2(COvVector2(0, 0), COvVector2(1, 1), COvVector2(2, 2)).getCircumcircle(c));
  COvTriangle3 t3(COvVector3(0, 0, 0), COvVector3(2, 0, 0), COvVector3(0, 2, 0));
  EXPECT_FLOAT_EQ(2.0f, t3.getArea());
  EXPECT_FLOAT_EQ(3.0f, t3.getPlane().getDistance(COvVector3(5, 5, 3)));
}
