#include "engine/math/mesh/ovtriangledelaunay.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/math/math_test_util.h"

namespace {

// Checks in double precision that no point is inside a triangle's circumcircle, that the
// triangles run counter-clockwise and that they tile the hull's area.
void ExpectDelaunay(const std::vector<COvVector2>& pts, const COvTriangleDelaunay& d, double hullArea) {
  double area = 0;
  for (const COvTriangle& t : d.GetTriangles()) {
    const COvVector2 &a = pts[t[0]], &b = pts[t[1]], &c = pts[t[2]];
    double twice = (double(b.x) - a.x) * (double(c.y) - a.y) - (double(b.y) - a.y) * (double(c.x) - a.x);
    EXPECT_GT(twice, 0.0);
    area += 0.5 * twice;
    for (size_t i = 0; i < pts.size(); ++i) {
      double ax = a.x - pts[i].x, ay = a.y - pts[i].y, bx = b.x - pts[i].x, by = b.y - pts[i].y;
      double cx = c.x - pts[i].x, cy = c.y - pts[i].y;
      double in = (ax * ax + ay * ay) * (bx * cy - by * cx) - (bx * bx + by * by) * (ax * cy - ay * cx) +
                  (cx * cx + cy * cy) * (ax * by - ay * bx);
      EXPECT_TRUE(t.uses(static_cast<int>(i)) || in <= 1e-9) << "point " << i;
    }
  }
  EXPECT_NEAR(hullArea, area, 1e-6 * hullArea);
}

}  // namespace

TEST(OvTriangleDelaunay, RandomPointsInASquare) {
  COvRandom rng(51);
  for (int count : {4, 10, 100, 300}) {
    SCOPED_TRACE(count);
    // The corners make the hull the square [-5, 5]², with h = 4 hull points.
    std::vector<COvVector2> pts = {COvVector2(-5, -5), COvVector2(5, -5), COvVector2(5, 5), COvVector2(-5, 5)};
    while (static_cast<int>(pts.size()) < count) pts.push_back(RandomPoint2(rng, 4.9f));
    COvTriangleDelaunay d;
    ASSERT_TRUE(d.Triangulate(pts.data(), count));
    EXPECT_EQ(2 * count - 2 - 4, d.GetTriangles().GetCount());  // Euler
    ExpectDelaunay(pts, d, 100.0);
  }
}

TEST(OvTriangleDelaunay, GridDuplicatesAndDegenerateInput) {
  std::vector<COvVector2> grid;
  for (int i = 0; i < 25; ++i) grid.push_back(COvVector2(static_cast<float>(i % 5), static_cast<float>(i / 5)));
  grid.push_back(COvVector2(2, 2));  // a repeat
  COvTriangleDelaunay d;
  ASSERT_TRUE(d.Triangulate(grid.data(), static_cast<int>(grid.size())));
  EXPECT_EQ(32, d.GetTriangles().GetCount());
  ExpectDelaunay(grid, d, 16.0);
  for (const COvTriangle& t : d.GetTriangles()) EXPECT_FALSE(t.uses(25));
  const COvVector2 line[] = {COvVector2(0, 0), COvVector2(1, 1), COvVector2(3, 3), COvVector2(1, 1)};
  EXPECT_FALSE(d.Triangulate(line, 4));
  EXPECT_EQ(0, d.GetTriangles().GetCount());
}
