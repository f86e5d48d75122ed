#include "engine/math/shape/ovrectangle.h"

#include <gtest/gtest.h>

#include <climits>

TEST(OvRectangle, IntersectionAndUnionMatchPixelCounts) {
  const COvRectangle2i rects[] = {{0, 0, 4, 3}, {2, 1, 4, 4}, {4, 0, 2, 2}, {1, 1, 0, 5}, {-2, -2, 9, 9}};
  for (const auto& a : rects)
    for (const auto& b : rects) {
      int common = 0;
      for (int y = -3; y < 10; ++y)
        for (int x = -3; x < 10; ++x) common += a.contains(x, y) && b.contains(x, y);
      SCOPED_TRACE(testing::Message() << a.x << "," << a.y << " " << b.x << "," << b.y);
      COvRectangle2i out(9, 9, 9, 9), u = a.getUnion(b);
      EXPECT_EQ(common > 0, a.intersects(b) && a.getIntersection(b, out));
      EXPECT_EQ(common > 0 ? common : 81, out.getArea());
      EXPECT_EQ(common == b.getArea() && common > 0, a.contains(b));
      EXPECT_TRUE((a.isEmpty() || u.contains(a)) && (b.isEmpty() || u.contains(b)));
    }
  // Half-open edges; wide integer rectangles do not overflow.
  EXPECT_FALSE(COvRectangle2(0.5f, 0.5f, 1, 1).contains(COvVector2(1.5f, 1.0f)));
  EXPECT_TRUE(COvRectangle2i(INT_MAX - 10, 0, 100, 5).contains(INT_MAX, 2));
}
