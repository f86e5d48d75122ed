#include "engine/math/curve/ovbezier.h"

#include <gtest/gtest.h>

#include "engine/math/math_test_util.h"
#include "engine/math/ovmathutil.h"

namespace {

// de Casteljau's construction, in double precision, on one coordinate of four points.
double Casteljau(double a, double b, double c, double d, double t) {
  double ab = a + (b - a) * t, bc = b + (c - b) * t, cd = c + (d - c) * t;
  double abc = ab + (bc - ab) * t, bcd = bc + (cd - bc) * t;
  return abc + (bcd - abc) * t;
}

COvVector3 Casteljau(const COvVector3* p, int stride, double t) {
  COvVector3 r;
  for (int i = 0; i < 3; ++i)
    r[i] = static_cast<float>(Casteljau(p[0][i], p[stride][i], p[2 * stride][i], p[3 * stride][i], t));
  return r;
}

COvBezierCurve RandomCurve(COvRandom& rng) {
  return COvBezierCurve(RandomPoint(rng, 3), RandomPoint(rng, 3), RandomPoint(rng, 3), RandomPoint(rng, 3));
}

}  // namespace

TEST(OvBezierCurve, PointsTangentsAndSplitsMatchDeCasteljau) {
  COvRandom rng(41);
  for (int n = 0; n < 10; ++n) {
    COvBezierCurve c = RandomCurve(rng), left, right;
    c.split(0.3f, left, right);
    for (float t = 0.0f; t <= 1.0f; t += 0.125f) {
      EXPECT_VEC_NEAR(Casteljau(c.p, 1, t), c.getPoint(t), 1e-5f);
      const float h = 1e-3f;
      COvVector3 diff = (Casteljau(c.p, 1, t + h) - Casteljau(c.p, 1, t - h)) / (2 * h);
      EXPECT_VEC_NEAR(diff, c.getTangent(t), 2e-2f);
      COvVector3 second = (Casteljau(c.p, 1, t + 0.01) - c.getPoint(t) * 2 + Casteljau(c.p, 1, t - 0.01)) / 1e-4f;
      EXPECT_VEC_NEAR(second, c.getSecondDerivative(t), 5e-2f);
      EXPECT_VEC_NEAR(c.getPoint(0.3f * t), left.getPoint(t), 1e-5f);
      EXPECT_VEC_NEAR(c.getPoint(0.3f + 0.7f * t), right.getPoint(t), 1e-5f);
      COvVector3 k[4];
      c.getCoefficients(k);
      EXPECT_VEC_NEAR(c.getPoint(t), ((k[3] * t + k[2]) * t + k[1]) * t + k[0], 1e-4f);
    }
  }
}

TEST(OvBezierCurve, BoxIsTightAndLengthConverges) {
  COvRandom rng(42);
  for (int n = 0; n < 10; ++n) {
    COvBezierCurve c = RandomCurve(rng);
    COvAABB3 box = c.getAABB(), sampled = COvAABB3::Empty();
    for (int i = 0; i <= 2000; ++i) sampled.extend(c.getPoint(i / 2000.0f));
    EXPECT_VEC_NEAR(sampled.min, box.min, 1e-3f);
    EXPECT_VEC_NEAR(sampled.max, box.max, 1e-3f);
  }
  COvBezierCurve line(COvVector3(0, 0, 0), COvVector3(1, 0, 0), COvVector3(2, 0, 0), COvVector3(3, 0, 0));
  EXPECT_NEAR(3.0f, line.getLength(1), 1e-6f);
  // A quarter circle approximated with the usual 0.5523 handles.
  COvBezierCurve arc(COvVector3(1, 0, 0), COvVector3(1, 0.5523f, 0), COvVector3(0.5523f, 1, 0), COvVector3(0, 1, 0));
  EXPECT_NEAR(kOvHalfPi, arc.getLength(256), 1e-3f);
}

TEST(OvBezierPatch, SurfaceMatchesTensorDeCasteljau) {
  COvRandom rng(43);
  COvBezierPatch patch;
  for (auto& row : patch.p)
    for (auto& q : row) q = RandomPoint(rng, 2);
  for (float u = 0.0f; u <= 1.0f; u += 0.25f)
    for (float v = 0.0f; v <= 1.0f; v += 0.25f) {
      // Along v for each row i, then along u.
      COvVector3 rows[4];
      for (int i = 0; i < 4; ++i) rows[i] = Casteljau(patch.p[i], 1, v);
      EXPECT_VEC_NEAR(Casteljau(rows, 1, u), patch.getPoint(u, v), 1e-5f);
      const float h = 1e-3f;
      COvVector3 du = (patch.getPoint(u + h, v) - patch.getPoint(u - h, v)) / (2 * h);
      COvVector3 dv = (patch.getPoint(u, v + h) - patch.getPoint(u, v - h)) / (2 * h);
      EXPECT_VEC_NEAR(du, patch.getTangentU(u, v), 2e-2f);
      EXPECT_VEC_NEAR(dv, patch.getTangentV(u, v), 2e-2f);
      EXPECT_NEAR(0.0f, patch.getNormal(u, v).dot(du.getNormalized()), 1e-2f);
    }
  COvBezierPatch flat = COvBezierPatch::MakeFlat();
  EXPECT_VEC_NEAR(COvVector3(0.25f, 0.75f, 0), flat.getPoint(0.25f, 0.75f), 1e-6f);
  EXPECT_VEC_NEAR(COvVector3(0, 0, 1), flat.getNormal(0.5f, 0.5f), 1e-6f);
}
