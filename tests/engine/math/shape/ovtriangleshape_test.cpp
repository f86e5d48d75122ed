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
      for (int j = 0; i + j <= 150; ++j) {
        float v = i / 150.0f, w = j / 150.0f;
        best = std::fmin(best, (tri.getPoint(1 - v - w, v, w) - p).length());
      }
    float exact = (tri.getClosestPoint(p) - p).length();
    EXPECT_LE(exact, best + 1e-4f);
    EXPECT_NEAR(best, exact, 0.05f);
  }
}

TEST(OvTriangleShape, BarycentricContainmentAndCircumcircle) {
  COvTriangle2 tri(COvVector2(0, 0), COvVector2(4, 0), COvVector2(0, 4));
  EXPECT_FLOAT_EQ(8.0f, tri.getSignedArea());
  EXPECT_FLOAT_EQ(-8.0f, COvTriangle2(tri.a, tri.c, tri.b).getSignedArea());
  float u, v, w;
  ASSERT_TRUE(tri.getBarycentric(COvVector2(1, 2), u, v, w));
  EXPECT_NEAR(0.25f, u, 1e-6f);
  EXPECT_NEAR(0.25f, v, 1e-6f);
  EXPECT_NEAR(0.5f, w, 1e-6f);
  const struct {
    COvVector2 p;
    bool inside;
  } rows[] = {{COvVector2(1, 1), true}, {COvVector2(2, 2), true}, {COvVector2(0, 0), true},
              {COvVector2(2.1f, 2), false}, {COvVector2(-0.1f, 1), false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.p.x);
    EXPECT_EQ(row.inside, tri.contains(row.p));
    EXPECT_EQ(row.inside, COvTriangle2(tri.c, tri.b, tri.a).contains(row.p));
  }
  COvCircle c;
  ASSERT_TRUE(tri.getCircumcircle(c));
  EXPECT_VEC_NEAR(COvVector2(2, 2), c.center, 1e-6f);
  EXPECT_FALSE(COvTriangle2(COvVector2(0, 0), COvVector2(1, 1), COvVector2(2, 2)).getCircumcircle(c));
  EXPECT_FALSE(COvTriangle2(COvVector2(0, 0), COvVector2(1, 1), COvVector2(2, 2)).getBarycentric(COvVector2(), u, v, w));
  COvTriangle3 t3(COvVector3(0, 0, 0), COvVector3(2, 0, 0), COvVector3(0, 2, 0));
  EXPECT_FLOAT_EQ(2.0f, t3.getArea());
  EXPECT_EQ(COvVector3(0, 0, 1), t3.getUnitNormal());
  EXPECT_FLOAT_EQ(3.0f, t3.getPlane().getDistance(COvVector3(5, 5, 3)));
}
