#include "engine/math/shape/ovrectangle.h"

#include <gtest/gtest.h>

#include <climits>

TEST(OvRectangle, IntersectionAndUnionMatchPixelCounts) {
  const COvRectangle2i rects[] = {{0, 0, 4, 3}, {2, 1, 4, 4}, {4, 0, 2, 2}, {1, 1, 0, 5}, {-2, -2, 9, 9}, {3, 2, 1, 1}};
  for (const auto& a : rects)
    for (const auto& b : rects) {
      int common = 0;
      for (int y = -3; y < 10; ++y)
        for (int x = -3; x < 10; ++x) common += a.contains(x, y) && b.contains(x, y);
      SCOPED_TRACE(testing::Message() << a.x << "," << a.y << " " << b.x << "," << b.y);
      COvRectangle2i out(9, 9, 9, 9);
      EXPECT_EQ(common > 0, a.intersects(b));
      EXPECT_EQ(common > 0, a.getIntersection(b, out));
      EXPECT_EQ(common > 0 ? common : 9 * 9, out.getArea());
      EXPECT_EQ(common == b.getArea() && common > 0, a.contains(b));
      COvRectangle2i u = a.getUnion(b);
      EXPECT_TRUE(a.isEmpty() || u.contains(a));
      EXPECT_TRUE(b.isEmpty() || u.contains(b));
    }
}

TEST(OvRectangle, EdgesAreHalfOpenAndWideIntegersDoNotOverflow) {
  COvRectangle2 r(0.5f, 0.5f, 1, 1);
  EXPECT_TRUE(r.contains(COvVector2(0.5f, 1.49f)));
  EXPECT_FALSE(r.contains(COvVector2(1.5f, 1.0f)));
  EXPECT_FALSE(r.intersects(COvRectangle2(1.5f, 0.5f, 1, 1)));
  COvRectangle2i wide(INT_MAX - 10, 0, 100, 5);
  EXPECT_TRUE(wide.contains(INT_MAX, 2));
  EXPECT_FALSE(wide.contains(0, 2));
}
