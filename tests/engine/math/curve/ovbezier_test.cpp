#include "engine/math/curve/ovbezier.h"

#include <gtest/gtest.h>

#include "engine/math/math_test_util.h"
#include "engine/math/ovmathutil.h"

namespace {

// de Casteljau's construction in double precision over four points stride floats apart.
COvVector3 Casteljau(const COvVector3* p, int stride, double t) {
  COvVector3 r;
  for (int i = 0; i < 3; ++i) {
    double q[4] = {p[0][i], p[stride][i], p[2 * stride][i], p[3 * stride][i]};
    for (int level = 3; level > 0; --level)
      for (int k = 0; k < level; ++k) q[k] += (q[k + 1] - q[k]) * t;
    r[i] = static_cast<float>(q[0]);
  }
  return r;
}

}  // namespace

TEST(OvBezierCurve, MatchesDeCasteljauAndItsDerivatives) {
  COvRandom rng(41);
  for (int n = 0; n < 10; ++n) {
    COvBezierCurve c(RandomPoint(rng, 3), RandomPoint(rng, 3), RandomPoint(rng, 3), RandomPoint(rng, 3)), left, right;
    c.split(0.3f, left, right);
    COvAABB3 sampled = COvAABB3::Empty();
    for (int i = 0; i <= 2000; ++i) sampled.extend(Casteljau(c.p, 1, i / 2000.0));
    EXPECT_VEC_NEAR(sampled.min, c.getAABB().min, 1e-3f);
    EXPECT_VEC_NEAR(sampled.max, c.getAABB().max, 1e-3f);
    for (float t = 0.0f; t <= 1.0f; t += 0.125f) {
      EXPECT_VEC_NEAR(Casteljau(c.p, 1, t), c.getPoint(t), 1e-5f);
      EXPECT_VEC_NEAR((Casteljau(c.p, 1, t + 1e-3) - Casteljau(c.p, 1, t - 1e-3)) / 2e-3f, c.getTangent(t), 2e-2f);
      EXPECT_VEC_NEAR((c.getTangent(t + 1e-3f) - c.getTangent(t - 1e-3f)) / 2e-3f, c.getSecondDerivative(t), 5e-2f);
      EXPECT_VEC_NEAR(c.getPoint(0.3f * t), left.getPoint(t), 1e-5f);
      EXPECT_VEC_NEAR(c.getPoint(0.3f + 0.7f * t), right.getPoint(t), 1e-5f);
    }
  }
  // A quarter circle approximated with the usual 0.5523 handles.
  COvBezierCurve arc(COvVector3(1, 0, 0), COvVector3(1, 0.5523f, 0), COvVector3(0.5523f, 1, 0), COvVector3(0, 1, 0));
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
      EXPECT_VEC_NEAR(du, patch.getTangentU(u, v), 2e-2f);
      EXPECT_VEC_NEAR(dv, patch.getTangentV(u, v), 2e-2f);
      EXPECT_NEAR(0.0f, patch.getNormal(u, v).dot(du.getNormalized()), 1e-2f);
    }
  EXPECT_VEC_NEAR(COvVector3(0, 0, 1), COvBezierPatch::MakeFlat().getNormal(0.5f, 0.5f), 1e-6f);
}
