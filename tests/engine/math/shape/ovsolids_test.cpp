// Triangles, capsules, cylinders, ellipses and ellipsoids against their definitions.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "engine/math/math_test_util.h"
#include "engine/math/shape/ovcapsule.h"
#include "engine/math/shape/ovcylinder.h"
#include "engine/math/shape/ovellipse.h"
#include "engine/math/shape/ovtriangleshape.h"

TEST(OvSolids, ContainmentMatchesTheDefinitions) {
  COvRandom rng(31);
  COvVector3 a(-1, 0, 1), b(2, 1, -1);
  COvCapsule3 capsule(a, b, 0.8f);
  COvCylinder cylinder(a, b, 0.8f);
  COvQuaternion q = rng.UnitQuaternion();
  COvEllipsoid ellipsoid(COvVector3(0.5f, 0, 0), COvVector3(2, 1, 0.5f), q);
  COvEllipse2 ellipse(COvVector2(1, 0), COvVector2(2, 0.5f), 0.7f);
  COvVector2 focus = COvVector2(std::cos(0.7f), std::sin(0.7f)) * std::sqrt(4 - 0.25f);
  for (int n = 0; n < 2000; ++n) {
    COvVector3 p = RandomPoint(rng, 3);
    float best = FLT_MAX, bestT = 0;  // the nearest axis point, by sampling
    for (int i = 0; i <= 1000; ++i) {
      float d = (a + (b - a) * (i / 1000.0f) - p).length();
      if (d < best) best = d, bestT = i / 1000.0f;
    }
    bool clear = std::fabs(best - 0.8f) > 0.01f;
    EXPECT_TRUE(!clear || capsule.contains(p) == (best < 0.8f)) << n;
    // Where the nearest axis point is inside the segment, the cylinder is the capsule.
    EXPECT_TRUE(!clear || bestT < 0.01f || bestT > 0.99f || cylinder.contains(p) == (best < 0.8f)) << n;
    // The ellipsoid is the unit ball stretched and rotated; the ellipse is where the focal
    // distances sum to less than the major axis.
    COvVector3 l = q.getConjugate().rotate(p - ellipsoid.center);
    float e = std::sqrt(l.x * l.x / 4 + l.y * l.y + l.z * l.z * 4);
    EXPECT_TRUE(std::fabs(e - 1) < 1e-3f || ellipsoid.contains(p) == (e < 1)) << n;
    COvVector2 d(p.x - 1, p.y);
    float sum = (d - focus).length() + (d + focus).length();
    EXPECT_TRUE(std::fabs(sum - 4) < 1e-3f || ellipse.contains(COvVector2(p.x, p.y)) == (sum < 4)) << n;
  }
}

TEST(OvSolids, BoundsAndMeasures) {
  COvCylinder cylinder(COvVector3(0, 0, 0), COvVector3(0, 0, 3), 1);
  EXPECT_EQ(COvAABB3(COvVector3(-1, -1, 0), COvVector3(1, 1, 3)), cylinder.getAABB());
  EXPECT_TRUE(cylinder.contains(COvVector3(0.7f, 0.7f, 2.99f)) &&
              !cylinder.contains(COvVector3(0, 0, 3.01f)));
  COvEllipsoid ellipsoid(COvVector3(), COvVector3(3, 1, 1),
                         COvQuaternion(COvAngleAxis(COvVector3(0, 0, 1), kOvHalfPi)));
  EXPECT_VEC_NEAR(COvVector3(1, 3, 1), ellipsoid.getAABB().max, 1e-5f);
  COvCapsule2 c2(COvVector2(0, 0), COvVector2(4, 0), 1);
  EXPECT_TRUE(c2.intersects(COvCapsule2(COvVector2(2, 3), COvVector2(2, 1.9f), 1)) &&
              !c2.intersects(COvCapsule2(COvVector2(2, 3), COvVector2(2, 2.1f), 1)));
  EXPECT_TRUE(c2.getClosestPoint(COvVector2(2, 5)).equals(COvVector2(2, 1), 1e-6f) &&
              c2.getAABB() == COvAABB2(COvVector2(-1, -1), COvVector2(5, 1)));
  EXPECT_EQ(COvAABB2(COvVector2(0, 0), COvVector2(4, 4)),
            COvTriangle2(COvVector2(0, 4), COvVector2(4, 1), COvVector2(2, 0)).getAABB());
}

TEST(OvTriangleShape, ClosestPointMatchesSampling) {
  COvRandom rng(21);
  for (int n = 0; n < 20; ++n) {
    COvTriangle3 tri(RandomPoint(rng, 2), RandomPoint(rng, 2), RandomPoint(rng, 2));
    COvVector3 p = RandomPoint(rng, 4);
    float best = FLT_MAX;
    for (int i = 0; i <= 150; ++i)
      for (int j = 0; i + j <= 150; ++j)
        best = std::fmin(best, (tri.getPoint(1 - (i + j) / 150.0f, i / 150.0f, j / 150.0f) - p).length());
    float exact = (tri.getClosestPoint(p) - p).length();
    EXPECT_TRUE(exact <= best + 1e-4f && exact > best - 0.05f) << n;
    // A sampled common point proves an overlap with the box.
    COvVector3 corner = RandomPoint(rng, 1.5f);
    COvAABB3 box(corner, corner + COvVector3(1, 1, 1));
    bool common = false;
    for (int i = 0; i < 3000 && !common; ++i) {
      float u = rng.NextFloat(), v = rng.NextFloat() * (1 - u);
      common = box.contains(tri.getPoint(1 - u - v, u, v));
    }
    EXPECT_TRUE(!common || tri.intersects(box)) << n;
    EXPECT_EQ(exact <= 1.0f, tri.intersects(COvSphere(p, 1.0f)));
  }
  // The triangle's plane passes just beyond the box's corner (1, 1, 0), or just through it.
  COvAABB3 unit(COvVector3(0, 0, 0), COvVector3(1, 1, 1));
  for (float at : {2.1f, 1.9f})
    EXPECT_EQ(
        at < 2,
        COvTriangle3(COvVector3(at, 0, 0), COvVector3(0, at, 0), COvVector3(at, at, 5)).intersects(unit));
}

TEST(OvTriangleShape, BarycentricContainmentAndCircumcircle) {
  COvTriangle2 tri(COvVector2(0, 0), COvVector2(4, 0), COvVector2(0, 4)), back(tri.c, tri.b, tri.a);
  float u, v, w;
  ASSERT_TRUE(tri.getBarycentric(COvVector2(1, 2), u, v, w));
  EXPECT_VEC_NEAR(COvVector3(0.25f, 0.25f, 0.5f), COvVector3(u, v, w), 1e-6f);
  const struct {
    COvVector2 p;
    bool inside;
  } rows[] = {{COvVector2(1, 1), true},
              {COvVector2(2, 2), true},
              {COvVector2(2.1f, 2), false},
              {COvVector2(-0.1f, 1), false}};
  for (const auto& row : rows)
    EXPECT_TRUE(tri.contains(row.p) == row.inside && back.contains(row.p) == row.inside) << row.p.x;
  // Collinear corners have no circumcircle.
  COvCircle c;
  EXPECT_TRUE(tri.getCircumcircle(c) && c.center.equals(COvVector2(2, 2), 1e-6f) &&
              !COvTriangle2(COvVector2(0, 0), COvVector2(1, 1), COvVector2(2, 2)).getCircumcircle(c));
  COvTriangle3 t3(COvVector3(0, 0, 0), COvVector3(2, 0, 0), COvVector3(0, 2, 0));
  EXPECT_FLOAT_EQ(3.0f, t3.getPlane().getDistance(COvVector3(5, 5, 3)));
}
