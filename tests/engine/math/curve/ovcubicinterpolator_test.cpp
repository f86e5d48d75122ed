#include "engine/math/curve/ovcubicinterpolator.h"

#include <gtest/gtest.h>

#include "engine/math/curve/ovbezier.h"
#include "engine/math/math_test_util.h"

TEST(OvCubicInterpolator, HermiteMeetsItsEndConditions) {
  const struct {
    float p0, p1, m0, m1;
  } rows[] = {{0, 1, 0, 0}, {2, -1, 3, 5}, {1, 1, -4, 4}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.p0);
    COvCubicInterpolator c;
    c.setHermite(row.p0, row.p1, row.m0, row.m1);
    EXPECT_FLOAT_EQ(row.p0, c.getValue(0));
    EXPECT_FLOAT_EQ(row.p1, c.getValue(1));
    EXPECT_FLOAT_EQ(row.m0, c.getDerivative(0));
    EXPECT_FLOAT_EQ(row.m1, c.getDerivative(1));
    for (float t = 0.1f; t < 1; t += 0.2f) {
      EXPECT_NEAR((c.getValue(t + 1e-3f) - c.getValue(t - 1e-3f)) / 2e-3f, c.getDerivative(t), 1e-2f);
      EXPECT_NEAR((c.getDerivative(t + 1e-3f) - c.getDerivative(t - 1e-3f)) / 2e-3f, c.getSecondDerivative(t), 1e-2f);
    }
  }
  COvCubicInterpolator smooth;
  smooth.setHermite(0, 1, 0, 0);
  EXPECT_FLOAT_EQ(0.5f, smooth.getValue(0.5f));
  EXPECT_FLOAT_EQ(0.15625f, smooth.getValue(0.25f));  // 3t² − 2t³
}

TEST(OvCubicInterpolator, CatmullRomAndBezierForms) {
  COvVector3 p[4] = {COvVector3(0, 0, 0), COvVector3(1, 2, 0), COvVector3(3, 2, 1), COvVector3(4, 0, 1)};
  COvCubicInterpolator3 spline;
  spline.setCatmullRom(p[0], p[1], p[2], p[3]);
  EXPECT_VEC_NEAR(p[1], spline.getValue(0), 1e-6f);
  EXPECT_VEC_NEAR(p[2], spline.getValue(1), 1e-6f);
  EXPECT_VEC_NEAR((p[2] - p[0]) * 0.5f, spline.getDerivative(0), 1e-6f);
  COvCubicInterpolator3 bez;
  bez.setBezier(p[0], p[1], p[2], p[3]);
  COvBezierCurve curve(p[0], p[1], p[2], p[3]);
  for (float t = 0; t <= 1; t += 0.25f) EXPECT_VEC_NEAR(curve.getPoint(t), bez.getValue(t), 1e-5f);
  COvCubicInterpolator2 line;
  line.setLinear(COvVector2(1, 1), COvVector2(3, 5));
  EXPECT_VEC_NEAR(COvVector2(2, 3), line.getValue(0.5f), 1e-6f);
  EXPECT_VEC_NEAR(COvVector2(5, 9), line.getValue(2.0f), 1e-6f);
}
