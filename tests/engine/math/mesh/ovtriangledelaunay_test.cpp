#include "engine/math/mesh/ovtriangledelaunay.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/math/math_test_util.h"

namespace {

// In-circle determinant in double precision: > 0 when d is strictly inside the circle
// through the counter-clockwise a, b, c.
double InCircle(const COvVector2& a, const COvVector2& b, const COvVector2& c, const COvVector2& d) {
  double ax = a.x - d.x, ay = a.y - d.y, bx = b.x - d.x, by = b.y - d.y, cx = c.x - d.x, cy = c.y - d.y;
  return (ax * ax + ay * ay) * (bx * cy - by * cx) - (bx * bx + by * by) * (ax * cy - ay * cx) +
         (cx * cx + cy * cy) * (ax * by - ay * bx);
}

double Cross(const COvVector2& a, const COvVector2& b, const COvVector2& c) {
  return (double(b.x) - a.x) * (double(c.y) - a.y) - (double(b.y) - a.y) * (double(c.x) - a.x);
}

// Checks the Delaunay property and that the triangles tile the given hull area.
void ExpectDelaunay(const std::vector<COvVector2>& pts, const COvTriangleDelaunay& d, double hullArea) {
  double area = 0;
  for (const COvTriangle& t : d.GetTriangles()) {
    for (int k = 0; k < 3; ++k) ASSERT_TRUE(t[k] >= 0 && t[k] < static_cast<int>(pts.size()));
    const COvVector2 &a = pts[t[0]], &b = pts[t[1]], &c = pts[t[2]];
    double twice = Cross(a, b, c);
    EXPECT_GT(twice, 0.0);  // counter-clockwise, not degenerate
    area += 0.5 * twice;
    for (size_t i = 0; i < pts.size(); ++i) {
      if (!t.uses(static_cast<int>(i))) {
        EXPECT_LE(InCircle(a, b, c, pts[i]), 1e-9) << "point " << i;
      }
    }
  }
  EXPECT_NEAR(hullArea, area, 1e-6 * hullArea);
}

}  // namespace

TEST(OvTriangleDelaunay, RandomPointsInASquare) {
  COvRandom rng(51);
  for (int count : {4, 10, 100, 300}) {
    SCOPED_TRACE(count);
    // The corners make the hull the square [-5, 5]².
    std::vector<COvVector2> pts = {COvVector2(-5, -5), COvVector2(5, -5), COvVector2(5, 5), COvVector2(-5, 5)};
    while (static_cast<int>(pts.size()) < count) pts.push_back(RandomPoint2(rng, 4.9f));
    COvTriangleDelaunay d;
    ASSERT_TRUE(d.Triangulate(pts.data(), count));
    // Euler: 2n − 2 − h triangles with the h = 4 hull points.
    EXPECT_EQ(2 * count - 6, d.GetTriangles().GetCount());
    ExpectDelaunay(pts, d, 100.0);
  }
}

TEST(OvTriangleDelaunay, GridDuplicatesAndDegenerateInput) {
  std::vector<COvVector2> grid;
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 5; ++x) grid.push_back(COvVector2(static_cast<float>(x), static_cast<float>(y)));
  grid.push_back(COvVector2(2, 2));  // a repeat
  COvTriangleDelaunay d;
  ASSERT_TRUE(d.Triangulate(grid.data(), static_cast<int>(grid.size())));
  EXPECT_EQ(32, d.GetTriangles().GetCount());
  ExpectDelaunay(grid, d, 16.0);
  for (const COvTriangle& t : d.GetTriangles()) EXPECT_FALSE(t.uses(25));

  const COvVector2 line[] = {COvVector2(0, 0), COvVector2(1, 1), COvVector2(3, 3), COvVector2(1, 1)};
  EXPECT_FALSE(d.Triangulate(line, 4));
  EXPECT_EQ(0, d.GetTriangles().GetCount());
  EXPECT_FALSE(d.Triangulate(line, 2));
  EXPECT_FALSE(d.Triangulate(nullptr, 5));
}
