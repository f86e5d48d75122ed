// Bézier curves and patches, cubic interpolators and oscillators.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/math/curve/ovbezier.h"
#include "engine/math/curve/ovcubicinterpolator.h"
#include "engine/math/curve/ovoscillator.h"
#include "engine/math/math_test_util.h"
#include "engine/math/ovmathutil.h"

// de Casteljau's construction in double precision over four points stride floats apart.
static COvVector3 Casteljau(const COvVector3* p, int stride, double t) {
  COvVector3 r;
  for (int i = 0; i < 3; ++i) {
    double q[4] = {p[0][i], p[stride][i], p[2 * stride][i], p[3 * stride][i]};
    for (int level = 3; level > 0; --level)
      for (int k = 0; k < level; ++k) q[k] += (q[k + 1] - q[k]) * t;
    r[i] = static_cast<float>(q[0]);
  }
  return r;
}

TEST(OvBezierCurve, MatchesDeCasteljauAndItsDerivatives) {
  COvRandom rng(41);
  for (int n = 0; n < 10; ++n) {
    COvBezierCurve c(RandomPoint(rng, 3), RandomPoint(rng, 3), RandomPoint(rng, 3), RandomPoint(rng, 3)),
        left, right;
    c.split(0.3f, left, right);
    COvAABB3 sampled = COvAABB3::Empty();
    for (int i = 0; i <= 2000; ++i) sampled.extend(Casteljau(c.p, 1, i / 2000.0));
    EXPECT_VEC_NEAR(sampled.min, c.getAABB().min, 1e-3f);
    EXPECT_VEC_NEAR(sampled.max, c.getAABB().max, 1e-3f);
    for (float t = 0.0f; t <= 1.0f; t += 0.125f) {
      EXPECT_VEC_NEAR(Casteljau(c.p, 1, t), c.getPoint(t), 1e-5f);
      EXPECT_VEC_NEAR((Casteljau(c.p, 1, t + 1e-3) - Casteljau(c.p, 1, t - 1e-3)) / 2e-3f, c.getTangent(t),
                      2e-2f);
      EXPECT_VEC_NEAR((c.getTangent(t + 1e-3f) - c.getTangent(t - 1e-3f)) / 2e-3f, c.getSecondDerivative(t),
                      5e-2f);
      EXPECT_VEC_NEAR(c.getPoint(0.3f * t), left.getPoint(t), 1e-5f);
      COvVector3 q = RandomPoint(rng, 4);
      float nearest = 1e30f;
      for (int i = 0; i <= 4000; ++i)
        nearest = std::fmin(nearest, (Casteljau(c.p, 1, i / 4000.0) - q).length());
      EXPECT_NEAR(nearest, (c.getPoint(c.getClosestParameter(q)) - q).length(), 1e-3f);
      EXPECT_VEC_NEAR(c.getPoint(0.3f + 0.7f * t), right.getPoint(t), 1e-5f);
    }
  }
  // A quarter circle approximated with the usual 0.5523 handles.
  COvBezierCurve arc(COvVector3(1, 0, 0), COvVector3(1, 0.5523f, 0), COvVector3(0.5523f, 1, 0),
                     COvVector3(0, 1, 0));
  EXPECT_NEAR(kOvHalfPi, arc.getLength(256), 1e-3f);
}

TEST(OvBezierPatch, MatchesTensorDeCasteljau) {
  COvRandom rng(43);
  COvBezierPatch patch;
  for (auto& row : patch.p)
    for (auto& q : row) q = RandomPoint(rng, 2);
  for (float u = 0.0f; u <= 1.0f; u += 0.25f)
    for (float v = 0.0f; v <= 1.0f; v += 0.25f) {
      COvVector3 rows[4];  // along v for each row i, then along u
      for (int i = 0; i < 4; ++i) rows[i] = Casteljau(patch.p[i], 1, v);
      EXPECT_VEC_NEAR(Casteljau(rows, 1, u), patch.getPoint(u, v), 1e-5f);
      COvVector3 du = (patch.getPoint(u + 1e-3f, v) - patch.getPoint(u - 1e-3f, v)) / 2e-3f;
      COvVector3 dv = (patch.getPoint(u, v + 1e-3f) - patch.getPoint(u, v - 1e-3f)) / 2e-3f;
      EXPECT_TRUE(du.equals(patch.getTangentU(u, v), 2e-2f) && dv.equals(patch.getTangentV(u, v), 2e-2f));
      EXPECT_NEAR(0.0f, patch.getNormal(u, v).dot(du.getNormalized()), 1e-2f);
    }
}

TEST(OvCubicInterpolator, HermiteCatmullRomBezierAndLinearForms) {
  const float rows[][4] = {{0, 1, 0, 0}, {2, -1, 3, 5}, {1, 1, -4, 4}};  // p0, p1, m0, m1
  for (const auto& row : rows) {
    SCOPED_TRACE(row[0]);
    COvCubicInterpolator c;
    c.setHermite(row[0], row[1], row[2], row[3]);
    EXPECT_TRUE(c.getValue(0) == row[0] && c.getValue(1) == row[1] && c.getDerivative(0) == row[2] &&
                c.getDerivative(1) == row[3]);
    for (float t = 0.1f; t < 1; t += 0.2f) {
      EXPECT_NEAR((c.getValue(t + 1e-3f) - c.getValue(t - 1e-3f)) / 2e-3f, c.getDerivative(t), 1e-2f);
      EXPECT_NEAR((c.getDerivative(t + 1e-3f) - c.getDerivative(t - 1e-3f)) / 2e-3f, c.getSecondDerivative(t),
                  1e-2f);
    }
  }
  // Catmull-Rom runs through the middle samples; the Bézier form is the Bézier curve.
  COvVector3 p[4] = {COvVector3(0, 0, 0), COvVector3(1, 2, 0), COvVector3(3, 2, 1), COvVector3(4, 0, 1)};
  COvCubicInterpolator3 spline, bez;
  spline.setCatmullRom(p[0], p[1], p[2], p[3]);
  EXPECT_TRUE(spline.getValue(0).equals(p[1]) && spline.getValue(1).equals(p[2]));
  EXPECT_VEC_NEAR((p[2] - p[0]) * 0.5f, spline.getDerivative(0), 1e-6f);
  COvCubicInterpolator3 cardinal;
  cardinal.setCardinal(p[0], p[1], p[2], p[3], 0.5f);
  EXPECT_VEC_NEAR((p[2] - p[0]) * 0.25f, cardinal.getDerivative(0), 1e-6f);
  bez.setBezier(p[0], p[1], p[2], p[3]);
  for (float t = 0; t <= 1; t += 0.25f)
    EXPECT_VEC_NEAR(COvBezierCurve(p[0], p[1], p[2], p[3]).getPoint(t), bez.getValue(t), 1e-5f);
  COvCubicInterpolator2 line;
  line.setLinear(COvVector2(1, 1), COvVector2(3, 5));
  EXPECT_VEC_NEAR(COvVector2(5, 9), line.getValue(2.0f), 1e-6f);
}

TEST(OvOscillator, WavesAtKnownPhases) {
  const float at[5] = {0, 0.125f, 0.25f, 0.625f, 0.75f}, s = std::sqrt(0.5f);
  const float expected[4][5] = {
      {0, s, 1, -s, -1}, {1, 1, 1, -1, -1}, {0, 0.5f, 1, -0.5f, -1}, {0, 0.25f, 0.5f, -0.75f, -0.5f}};
  for (int wave = 0; wave < 4; ++wave)
    for (int i = 0; i < 5; ++i) {
      SCOPED_TRACE(testing::Message() << wave << " at " << at[i]);
      EXPECT_NEAR(expected[wave][i], COvOscillator::Wave(static_cast<EOvOscillatorWave>(wave), at[i]), 1e-6f);
      EXPECT_NEAR(expected[wave][i], COvOscillator::Wave(static_cast<EOvOscillatorWave>(wave), at[i] - 3),
                  1e-5f);
    }
}

TEST(OvOscillator, AmplitudeFrequencyPhaseOffsetAndDamping) {
  COvOscillator o(eOscillatorSine, 2.0f, 0.5f, 0.25f, 10.0f);
  EXPECT_NEAR(12.0f, o.getValue(0), 1e-5f);  // a quarter cycle ahead: the crest
  EXPECT_NEAR(8.0f, o.getValue(1), 1e-5f);   // half a cycle later: the trough
  o.damping = std::log(2.0f);
  EXPECT_NEAR(10.0f + 2.0f / 16.0f, o.getValue(4), 1e-4f);  // halved each second
  o.Update(0.5f);
  EXPECT_NEAR(o.getValue(1.0f), o.Update(0.5f), 1e-6f);
}
