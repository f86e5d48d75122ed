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
  // Monotonic in X, one extreme in Y (where the cubic term vanishes), two in Z.
  const COvBezierCurve c(COvVector3(0, 0, 0), COvVector3(2, 3, 2), COvVector3(2, 3, -2), COvVector3(4, 0, 0));
  EXPECT_TRUE(c.getTangent(0.25f).equals(COvVector3(3.75f, 4.5f, -0.75f), 1e-5f) &&
              c.getSecondDerivative(0.25f).equals(COvVector3(-6, -18, -18), 1e-5f));
  const float z = 1 / std::sqrt(3.0f);
  EXPECT_TRUE(c.getAABB().min.equals(COvVector3(0, 0, -z), 1e-5f) &&
              c.getAABB().max.equals(COvVector3(4, 2.25f, z), 1e-5f));
  COvBezierCurve left, right;
  c.split(0.3f, left, right);
  for (float t = 0.0f; t <= 1.0f; t += 0.125f) {
    EXPECT_VEC_NEAR(Casteljau(c.p, 1, t), c.getPoint(t), 1e-5f);
    EXPECT_TRUE(c.getPoint(0.3f * t).equals(left.getPoint(t), 1e-5f) &&
                c.getPoint(0.3f + 0.7f * t).equals(right.getPoint(t), 1e-5f))
        << t;
  }
  // The nearest points: the top of the arch, and points pushed off the curve across it.
  EXPECT_NEAR(0.5f, c.getClosestParameter(COvVector3(2, 5, 0)), 1e-4f);
  for (float t : {0.3f, 0.85f}) {
    COvVector3 across = c.getTangent(t).cross(COvVector3(0, 0, 1)).getNormalized();
    EXPECT_NEAR(t, c.getClosestParameter(c.getPoint(t) + across * 0.1f), 1e-3f);
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
  for (int k = 0; k < 25; ++k) {
    float u = k / 5 * 0.25f, v = k % 5 * 0.25f;
    COvVector3 rows[4];  // along v for each row i, then along u
    for (int i = 0; i < 4; ++i) rows[i] = Casteljau(patch.p[i], 1, v);
    COvVector3 du = (patch.getPoint(u + 1e-3f, v) - patch.getPoint(u - 1e-3f, v)) / 2e-3f;
    COvVector3 dv = (patch.getPoint(u, v + 1e-3f) - patch.getPoint(u, v - 1e-3f)) / 2e-3f;
    EXPECT_TRUE(Casteljau(rows, 1, u).equals(patch.getPoint(u, v), 1e-5f) &&
                du.equals(patch.getTangentU(u, v), 2e-2f) && dv.equals(patch.getTangentV(u, v), 2e-2f) &&
                std::fabs(patch.getNormal(u, v).dot(du.getNormalized())) < 1e-2f)
        << u << " " << v;
  }
}

TEST(OvCubicInterpolator, HermiteCatmullRomBezierAndLinearForms) {
  // p0, p1, m0, m1; the value and the slope at 0.5, the second derivative at 0 and 1.
  const float rows[][8] = {
      {0, 1, 0, 0, 0.5f, 1.5f, 6, -6}, {2, -1, 3, 5, 0.25f, -6.5f, -40, 44}, {1, 1, -4, 4, 0, 0, 8, 8}};
  for (const auto& row : rows) {
    COvCubicInterpolator c;
    c.setHermite(row[0], row[1], row[2], row[3]);
    EXPECT_TRUE(c.getValue(0) == row[0] && c.getValue(1) == row[1] && c.getDerivative(0) == row[2] &&
                c.getDerivative(1) == row[3] && std::fabs(c.getValue(0.5f) - row[4]) < 1e-6f &&
                std::fabs(c.getDerivative(0.5f) - row[5]) < 1e-5f && c.getSecondDerivative(0) == row[6] &&
                c.getSecondDerivative(1) == row[7])
        << row[0];
  }
  // Catmull-Rom runs through the middle samples, a cardinal spline of tension 0.5 at half its
  // speed; the Bézier form is the Bézier curve.
  COvVector3 p[4] = {COvVector3(0, 0, 0), COvVector3(1, 2, 0), COvVector3(3, 2, 1), COvVector3(4, 0, 1)};
  COvCubicInterpolator3 spline, cardinal, bez;
  spline.setCatmullRom(p[0], p[1], p[2], p[3]);
  cardinal.setCardinal(p[0], p[1], p[2], p[3], 0.5f);
  EXPECT_TRUE(spline.getValue(0).equals(p[1]) && spline.getValue(1).equals(p[2]) &&
              spline.getDerivative(0).equals((p[2] - p[0]) * 0.5f, 1e-6f) &&
              cardinal.getDerivative(0).equals((p[2] - p[0]) * 0.25f, 1e-6f));
  bez.setBezier(p[0], p[1], p[2], p[3]);
  for (float t = 0; t <= 1; t += 0.25f)
    EXPECT_VEC_NEAR(COvBezierCurve(p[0], p[1], p[2], p[3]).getPoint(t), bez.getValue(t), 1e-5f);
  COvCubicInterpolator2 line;
  line.setLinear(COvVector2(1, 1), COvVector2(3, 5));
  EXPECT_VEC_NEAR(COvVector2(5, 9), line.getValue(2.0f), 1e-6f);
}

TEST(OvOscillator, WavesAtKnownPhasesAmplitudeFrequencyOffsetAndDamping) {
  const float at[5] = {0, 0.125f, 0.25f, 0.625f, 0.75f}, s = std::sqrt(0.5f);
  const float expected[4][5] = {
      {0, s, 1, -s, -1}, {1, 1, 1, -1, -1}, {0, 0.5f, 1, -0.5f, -1}, {0, 0.25f, 0.5f, -0.75f, -0.5f}};
  for (int k = 0; k < 20; ++k) {
    EOvOscillatorWave wave = static_cast<EOvOscillatorWave>(k / 5);
    EXPECT_TRUE(std::fabs(expected[k / 5][k % 5] - COvOscillator::Wave(wave, at[k % 5])) < 1e-6f &&
                std::fabs(expected[k / 5][k % 5] - COvOscillator::Wave(wave, at[k % 5] - 3)) < 1e-5f)
        << k / 5 << " at " << at[k % 5];
  }
  // A quarter cycle ahead: the crest, then half a cycle later the trough; damped, halved each second.
  COvOscillator o(eOscillatorSine, 2.0f, 0.5f, 0.25f, 10.0f);
  EXPECT_TRUE(std::fabs(o.getValue(0) - 12) < 1e-5f && std::fabs(o.getValue(1) - 8) < 1e-5f);
  o.damping = std::log(2.0f);
  EXPECT_NEAR(10.0f + 2.0f / 16.0f, o.getValue(4), 1e-4f);
  o.Update(0.5f);
  EXPECT_NEAR(o.getValue(1.0f), o.Update(0.5f), 1e-6f);
}
