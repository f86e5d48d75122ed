// Triangles, capsules, cylinders, ellipses and ellipsoids against their definitions.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <utility>

#include "engine/math/math_test_util.h"
#include "engine/math/shape/ovcapsule.h"
#include "engine/math/shape/ovcylinder.h"
#include "engine/math/shape/ovellipse.h"
#include "engine/math/shape/ovtriangleshape.h"

TEST(OvSolids, ContainmentIncludesTheBoundaryAndBoxes) {
  // Capsule and cylinder on the axis (0, 0, 0) to (4, 0, 0); the ellipsoid's and the ellipse's
  // long axes turned onto Y. Points just inside and just outside.
  const COvCapsule3 capsule(COvVector3(), COvVector3(4, 0, 0), 1);
  const COvCylinder cylinder(capsule.start, capsule.end, 1);
  const COvEllipsoid ellipsoid(COvVector3(1, 0, 0), COvVector3(2, 1, 0.5f),
                               COvQuaternion(COvAngleAxis(COvVector3(0, 0, 1), kOvHalfPi)));
  const COvEllipse2 ellipse(COvVector2(1, 0), COvVector2(2, 0.5f), kOvHalfPi);
  // Each point with its containment in the shapes in the order above.
  // clang-format off
  const std::pair<COvVector3, std::array<bool, 4>> rows[] = {
      {COvVector3(2, 0.7f, 0.7f), {true, true, false, false}},
      {COvVector3(2, 0.72f, 0.7f), {false, false, false, false}},
      {COvVector3(-0.7f, 0.7f, 0), {true, false, false, false}},
      {COvVector3(4, 0.5f, 0), {true, true, false, false}},
      {COvVector3(4.72f, 0, 0.7f), {false, false, false, false}},
      {COvVector3(1, 1.99f, 0), {false, false, true, true}},
      {COvVector3(2.01f, 0, 0), {true, true, false, false}},
      {COvVector3(1.3f, 1.5f, 0.2f), {false, false, true, true}},
      {COvVector3(1.51f, 0, 0.51f), {true, true, false, false}}};
  // clang-format on
  for (const auto& [p, inside] : rows) {
    const bool got[4] = {capsule.contains(p), cylinder.contains(p), ellipsoid.contains(p),
                         ellipse.contains(COvVector2(p.x, p.y))};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(inside[i], got[i]) << i << " " << p.x << " " << p.y;
  }
  // Their boxes: the cylinder's holds its end discs; the ellipsoid's has the long axis on Y.
  EXPECT_EQ(COvAABB3(COvVector3(0, -1, -1), COvVector3(4, 1, 1)), cylinder.getAABB());
  EXPECT_VEC_NEAR(COvVector3(2, 2, 0.5f), ellipsoid.getAABB().max, 1e-5f);
}

TEST(OvSolids, FlatBoundsAndMeasures) {
  COvCapsule2 c2(COvVector2(0, 0), COvVector2(4, 0), 1);
  EXPECT_TRUE(c2.intersects(COvCapsule2(COvVector2(2, 3), COvVector2(2, 1.9f), 1)) &&
              !c2.intersects(COvCapsule2(COvVector2(2, 3), COvVector2(2, 2.1f), 1)));
  EXPECT_TRUE(c2.getClosestPoint(COvVector2(2, 5)).equals(COvVector2(2, 1), 1e-6f) &&
              c2.getAABB() == COvAABB2(COvVector2(-1, -1), COvVector2(5, 1)));
  EXPECT_EQ(COvAABB2(COvVector2(0, 0), COvVector2(4, 4)),
            COvTriangle2(COvVector2(0, 4), COvVector2(4, 1), COvVector2(2, 0)).getAABB());
}

TEST(OvTriangleShape, ClosestPointsAndOverlaps) {
  // A point above each corner's, each edge's and the face's region.
  const COvTriangle3 tri(COvVector3(0, 0, 0), COvVector3(4, 0, 0), COvVector3(0, 4, 0));
  // clang-format off
  const std::pair<COvVector3, COvVector3> rows[] = {
      {COvVector3(-1, -1, 1), tri.a}, {COvVector3(5, -1, 1), tri.b}, {COvVector3(-1, 5, 1), tri.c},
      {COvVector3(2, -1, 1), COvVector3(2, 0, 0)}, {COvVector3(-1, 2, 1), COvVector3(0, 2, 0)},
      {COvVector3(3, 3, 1), COvVector3(2, 2, 0)}, {COvVector3(1, 1, 1), COvVector3(1, 1, 0)}};
  // clang-format on
  for (const auto& [p, closest] : rows) {
    SCOPED_TRACE(testing::Message() << p.x << "," << p.y);
    EXPECT_VEC_NEAR(closest, tri.getClosestPoint(p), 1e-6f);
    EXPECT_EQ((closest - p).length() <= 1.5f, tri.intersects(COvSphere(p, 1.5f)));
  }
  // Beyond the box's edge x = y = 1, or just through it: apart along the triangle's normal,
  // then along the cross of an edge with Z; then beside a face, and an empty box.
  const COvAABB3 unit(COvVector3(0, 0, 0), COvVector3(1, 1, 1));
  for (float at : {2.1f, 1.9f}) {
    const COvTriangle3 normal(COvVector3(at, 0, 0), COvVector3(0, at, 0), COvVector3(at, at, 5)),
        edge(COvVector3(at, 0, -5), COvVector3(0, at, 5), COvVector3(3, 3, 0));
    EXPECT_EQ(at < 2, normal.intersects(unit)) << at;
    EXPECT_EQ(at < 2, edge.intersects(unit)) << at;
  }
  const COvTriangle3 beside(COvVector3(0, 0, 1.5f), COvVector3(1, 0, 1.5f), COvVector3(0, 1, 1.5f));
  EXPECT_FALSE(beside.intersects(unit) || tri.intersects(COvAABB3::Empty()));
}

TEST(OvTriangleShape, BarycentricContainmentAndCircumcircle) {
  COvTriangle2 tri(COvVector2(0, 0), COvVector2(4, 0), COvVector2(0, 4)), back(tri.c, tri.b, tri.a);
  float u, v, w;
  ASSERT_TRUE(tri.getBarycentric(COvVector2(1, 2), u, v, w));
  EXPECT_VEC_NEAR(COvVector3(0.25f, 0.25f, 0.5f), COvVector3(u, v, w), 1e-6f);
  const std::pair<COvVector2, bool> rows[] = {{COvVector2(1, 1), true},
                                              {COvVector2(2, 2), true},
                                              {COvVector2(2.1f, 2), false},
                                              {COvVector2(-0.1f, 1), false}};
  for (const auto& [p, inside] : rows)
    EXPECT_TRUE(tri.contains(p) == inside && back.contains(p) == inside) << p.x;
  // Collinear corners have no circumcircle.
  COvCircle c;
  EXPECT_TRUE(tri.getCircumcircle(c) && c.center.equals(COvVector2(2, 2), 1e-6f) &&
              !COvTriangle2(COvVector2(0, 0), COvVector2(1, 1), COvVector2(2, 2)).getCircumcircle(c));
  COvTriangle3 t3(COvVector3(0, 0, 0), COvVector3(2, 0, 0), COvVector3(0, 2, 0));
  EXPECT_FLOAT_EQ(3.0f, t3.getPlane().getDistance(COvVector3(5, 5, 3)));
}
