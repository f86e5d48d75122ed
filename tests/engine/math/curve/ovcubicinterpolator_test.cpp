#include "engine/math/curve/ovcubicinterpolator.h"

#include <gtest/gtest.h>

#include "engine/math/curve/ovbezier.h"
#include "engine/math/math_test_util.h"

TEST(OvCubicInterpolator, HermiteMeetsItsEndConditions) {
  const float rows[][4] = {{0, 1, 0, 0}, {2, -1, 3, 5}, {1, 1, -4, 4}};  // p0, p1, m0, m1
  for (const auto& row : rows) {
    SCOPED_TRACE(row[0]);
    COvCubicInterpolator c;
    c.setHermite(row[0], row[1], row[2], row[3]);
    EXPECT_TRUE(c.getValue(0) == row[0] && c.getValue(1) == row[1]);
    EXPECT_TRUE(c.getDerivative(0) == row[2] && c.getDerivative(1) == row[3]);
    for (float t = 0.1f; t < 1; t += 0.2f) {
      EXPECT_NEAR((c.getValue(t + 1e-3f) - c.getValue(t - 1e-3f)) / 2e-3f, c.getDerivative(t), 1e-2f);
      EXPECT_NEAR((c.getDerivative(t + 1e-3f) - c.getDerivative(t - 1e-3f)) / 2e-3f, c.getSecondDerivative(t), 1e-2f);
    }
  }
}

TEST(OvCubicInterpolator, CatmullRomBezierAndLinearForms) {
  COvVector3 p[4] = {COvVector3(0, 0, 0), COvVector3(1, 2, 0), COvVector3(3, 2, 1), COvVector3(4, 0, 1)};
  COvCubicInterpolator3 spline, bez;
  spline.setCatmullRom(p[0], p[1], p[2], p[3]);
  EXPECT_VEC_NEAR(p[1], spline.getValue(0), 1e-6f);
  EXPECT_VEC_NEAR(p[2], spline.getValue(1), 1e-6f);
  EXPECT_VEC_NEAR((p[2] - p[0]) * 0.5f, spline.getDerivative(0), 1e-6f);
  bez.setBezier(p[0], p[1], p[2], p[3]);
  for (float t = 0; t <= 1; t += 0.25f) EXPECT_VEC_NEAR(COvBezierCurve(p[0], p[1], p[2], p[3]).getPoint(t), bez.getValue(t), 1e-5f);
  COvCubicInterpolator2 line;
  line.setLinear(COvVector2(1, 1), COvVector2(3, 5));
  EXPECT_VEC_NEAR(COvVector2(5, 9), line.getValue(2.0f), 1e-6f);
}
