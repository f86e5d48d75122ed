// Axis-aligned and oriented boxes, balls and rectangles.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <tuple>
#include <utility>

#include "engine/math/math_test_util.h"
#include "engine/math/shape/ovaabb.h"
#include "engine/math/shape/ovball.h"
#include "engine/math/shape/ovobb.h"
#include "engine/math/shape/ovrectangle.h"

TEST(OvAABB, ContainmentAndIntersectionIncludeTheBoundary) {
  COvAABB2 box(COvVector2(0, 0), COvVector2(2, 1)), common;
  const std::tuple<COvAABB2, bool, bool> rows[] = {
      {COvAABB2(COvVector2(1, 0.5f), COvVector2(1.5f, 1)), true, true},
      {COvAABB2(COvVector2(2, 1), COvVector2(3, 2)), true, false},  // touching corners
      {COvAABB2(COvVector2(2.01f, 0), COvVector2(3, 1)), false, false},
      {COvAABB2::Empty(), false, false}};
  for (const auto& [other, intersects, contains] : rows)
    EXPECT_TRUE(intersects == (box.intersects(other) && other.intersects(box)) &&
                contains == box.contains(other))
        << other.min.x;
  ASSERT_TRUE(box.getIntersection(COvAABB2(COvVector2(1, -1), COvVector2(5, 0.5f)), common));
  EXPECT_EQ(COvAABB2(COvVector2(1, 0), COvVector2(2, 0.5f)), common);
  COvAABB3 grown = COvAABB3::Empty();
  grown.extend(COvVector3(1, 2, 3)), grown.extend(COvVector3(-1, 4, 3));
  grown.inflate(1.0f);
  EXPECT_EQ(COvAABB3(COvVector3(-2, 1, 2), COvVector3(2, 5, 4)), grown);
}

TEST(OvAABB, TransformedBoxIsTheBoxOfTheTransformedCorners) {
  // Scaled, mirrored in Y, turned and moved; an empty box stays empty.
  COvMatrix44 m, s;
  s.makeScale(COvVector3(1.5f, -2, 1));
  m.makeRotationAxis(COvVector3(1, 2, 3), 0.7f);
  m = s * m;
  m.setTranslation(COvVector3(4, -1, 2));
  COvAABB3 box(COvVector3(-1, 0, 2), COvVector3(2, 3, 2.5f)), expected = COvAABB3::Empty();
  for (int c = 0; c < 8; ++c) expected.extend(m.transformPoint(box.getCorner(c)));
  EXPECT_TRUE(expected.min.equals(box.getTransformed(m).min, 1e-4f) &&
              expected.max.equals(box.getTransformed(m).max, 1e-4f) &&
              COvAABB3::Empty().getTransformed(m).isEmpty());
}

TEST(OvBall, ContainmentIntersectionAndBounds) {
  COvSphere s(COvVector3(1, 0, 0), 2);
  EXPECT_TRUE(s.intersects(COvSphere(COvVector3(5, 0, 0), 2)) &&
              !s.intersects(COvSphere(COvVector3(5, 0.1f, 0), 2)));
  // The box corner (2.5, 1.5, 0) is farther than 2 from the centre, the face point is not.
  EXPECT_TRUE(!s.intersects(COvAABB3(COvVector3(2.5f, 1.5f, -1), COvVector3(4, 4, 1))) &&
              s.intersects(COvAABB3(COvVector3(2.5f, -1, -1), COvVector3(4, 4, 1))));
  COvPlane plane(COvVector3(1, 1, 0), COvVector3(4, 0, 0));  // x + y = 4
  EXPECT_TRUE(s.classify(plane) == -1 && COvSphere(COvVector3(1, 1, 0), 1.5f).classify(plane) == 0);
  const int sides[3] = {COvAABB3(COvVector3(0, 0, 0), COvVector3(1.9f, 2, 1)).classify(plane),
                        COvAABB3(COvVector3(0, 0, 0), COvVector3(2.1f, 2, 1)).classify(plane),
                        COvAABB3(COvVector3(3, 1.1f, 0), COvVector3(4, 2, 1)).classify(plane)};
  EXPECT_TRUE(sides[0] == -1 && sides[1] == 0 && sides[2] == 1);
  // The first guess, the ball over the two farthest points, misses the third one.
  const COvVector3 cloud[4] = {COvVector3(0, 0, 0), COvVector3(4, 0, 0), COvVector3(2, 3, 0),
                               COvVector3(1, 1, 1)};
  COvSphere bound = COvSphere::FromPoints(cloud, 4);
  for (const auto& p : cloud) EXPECT_LE(bound.center.distance(p), bound.radius + 1e-5f);
  EXPECT_TRUE(bound.radius < 3 && COvSphere::FromPoints(nullptr, 4).radius == 0.0f);
}

TEST(OvOBB, SeparatingAxisTest2DUsesTheAxesOfBothBoxes) {
  // A unit square turned into a diamond, its corner on X at √2: a square beside it is apart
  // along its own axis, a second diamond along the first's.
  const COvOBB2 diamond(COvVector2(), COvVector2(1, 1), kOvHalfPi / 2);
  const std::pair<COvOBB2, bool> rows[] = {
      {COvOBB2(COvVector2(2.4f, 0), COvVector2(1, 1), 0), true},
      {COvOBB2(COvVector2(2.42f, 0), COvVector2(1, 1), 0), false},
      {COvOBB2(COvVector2(2.8f, 0), COvVector2(1, 1), kOvHalfPi / 2), true},
      {COvOBB2(COvVector2(2.9f, 0), COvVector2(1, 1), kOvHalfPi / 2), false}};
  for (const auto& [other, meets] : rows)
    EXPECT_TRUE(meets == diamond.intersects(other) && meets == other.intersects(diamond)) << other.center.x;
}

TEST(OvOBB, SeparatingAxisTest3DUsesEdgeCrossAxes) {
  // A's edge along Z faces B's edge along Y at 2√2 on X, an axis only the cross products offer.
  COvOBB3 a(COvVector3(), COvVector3(1, 1, 1),
            COvQuaternion(COvAngleAxis(COvVector3(0, 0, 1), kOvHalfPi / 2)));
  COvQuaternion aboutY(COvAngleAxis(COvVector3(0, 1, 0), kOvHalfPi / 2));
  EXPECT_VEC_NEAR(COvVector3(-std::sqrt(2.0f), -std::sqrt(2.0f), -1), a.getAABB().min, 1e-5f);
  // Its corner on X is at √2: boxes and balls just beyond it are missed.
  EXPECT_TRUE(a.intersects(COvAABB3(COvVector3(1.4f, -1, -1), COvVector3(2, 1, 1))) &&
              !a.intersects(COvAABB3(COvVector3(1.42f, -1, -1), COvVector3(2, 1, 1))));
  EXPECT_TRUE(a.intersects(COvSphere(COvVector3(2, 0, 0), 0.6f)) &&
              !a.intersects(COvSphere(COvVector3(2, 0, 0), 0.58f)));
  EXPECT_TRUE(a.intersects(COvOBB3(COvVector3(2.8f, 0, 0), COvVector3(1, 1, 1), aboutY)) &&
              !a.intersects(COvOBB3(COvVector3(2.86f, 0, 0), COvVector3(1, 1, 1), aboutY)));
}

TEST(OvRectangle, IntersectionAndUnionMatchPixelCounts) {
  const COvRectangle2i rects[] = {{0, 0, 4, 3}, {2, 1, 4, 4}, {4, 0, 2, 2}, {1, 1, 0, 5}, {-2, -2, 9, 9}};
  for (const auto& a : rects)
    for (const auto& b : rects) {
      int common = 0;
      for (int y = -3; y < 10; ++y)
        for (int x = -3; x < 10; ++x) common += a.contains(x, y) && b.contains(x, y);
      SCOPED_TRACE(testing::Message() << a.x << "," << a.y << " " << b.x << "," << b.y);
      COvRectangle2i out(9, 9, 9, 9), u = a.getUnion(b);
      EXPECT_TRUE((common > 0) == (a.intersects(b) && a.getIntersection(b, out)) &&
                  out.getArea() == (common > 0 ? common : 81) &&
                  a.contains(b) == (common == b.getArea() && common > 0) && (a.isEmpty() || u.contains(a)) &&
                  (b.isEmpty() || u.contains(b)));
    }
  // Half-open edges; wide integer rectangles do not overflow.
  EXPECT_TRUE(!COvRectangle2(0.5f, 0.5f, 1, 1).contains(COvVector2(1.5f, 1.0f)) &&
              COvRectangle2i(INT_MAX - 10, 0, 100, 5).contains(INT_MAX, 2));
}
