#include "engine/math/ovmatrix.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/math/math_test_util.h"
#include "engine/math/ovmathutil.h"
#include "engine/math/ovtransform.h"

TEST(OvMatrix, StorageAndMultiplicationOrder) {
  const float e[16] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
  COvMatrix44 m(e);
  EXPECT_TRUE(m(1, 2) == 6.0f && m.getFront() == COvVector3(4, 5, 6) && m.getUp() == COvVector3(8, 9, 10));
  EXPECT_EQ(COvVector3(12, 13, 14), m.getTranslation());
  COvMatrix22 a(1, 2, 3, 4), b(5, 6, 7, 8);
  EXPECT_TRUE(a.MultiplyCorrect(b) == COvMatrix22(19, 22, 43, 50) &&
              a.MultiplyBugged(b) == COvMatrix22(23, 34, 31, 46));
  COvMatrix44 move, scale;
  move.makeTranslation(COvVector3(1, 2, 3));
  scale.makeScale(COvVector3(2, 2, 2));
  EXPECT_EQ(COvVector4(4, 6, 8, 1), move.MultiplyCorrect(scale).transform(COvVector4(1, 1, 1, 1)));
}

TEST(OvMatrix, EulerOrdersAndTheirInverse) {
  // (1, 2, 3) rotated by 90 degrees about each axis in turn.
  const COvVector3 expected[6] = {COvVector3(3, 2, -1), COvVector3(2, 1, -3), COvVector3(-1, 3, 2),
                                  COvVector3(-2, 1, 3), COvVector3(1, -3, 2), COvVector3(3, -2, 1)};
  COvRandom rng(7);
  for (int order = 0; order < 6; ++order) {
    SCOPED_TRACE(order);
    ERotationOrder o = static_cast<ERotationOrder>(order);
    COvMatrix44 m, back, fromQ;
    m.setRotation(kOvHalfPi, kOvHalfPi, kOvHalfPi, o);
    EXPECT_VEC_NEAR(expected[order], m.transformVector(COvVector3(1, 2, 3)), 1e-5f);
    for (int n = 0; n < 20; ++n) {
      COvEulerAngles e(rng.Range(-3, 3), rng.Range(-3, 3), rng.Range(-3, 3));
      m.setRotation(e.x, e.y, e.z, o);
      COvEulerAngles read = m.getEulerAngles(o);
      back.setRotation(read.x, read.y, read.z, o);
      EXPECT_TRUE(back.equals(m, 1e-4f));
      COvQuaternion q;
      q.setRotation(e, o);
      fromQ.setRotation(q, true);
      EXPECT_TRUE(fromQ.equals(m, 1e-4f));
      EXPECT_NEAR(1.0f, std::fabs(m.getRotation().dot(q)), 1e-4f);  // q and -q are the same rotation
    }
  }
  COvMatrix44 m = COvMatrix44() * 3.0f, unchanged = m;
  m.setRotation(1.0f, 2.0f, 3.0f, static_cast<ERotationOrder>(6));
  m.rotate(1.0f, 2.0f, 3.0f, static_cast<ERotationOrder>(-1));
  EXPECT_TRUE(unchanged == m && m.getEulerAngles(static_cast<ERotationOrder>(6)) == COvEulerAngles());
  m.makeTranslation(COvVector3(5, 6, 7));
  m.rotate(0, 0, kOvHalfPi, eRotationOrderXYZ);
  EXPECT_VEC_NEAR(COvVector3(5, 7, 7), m.transformPoint(COvVector3(1, 0, 0)), 1e-5f);
  COvVector3 axis(1, -2, 0.5f);
  m.makeRotationAxis(axis, 0.8f);
  EXPECT_VEC_NEAR(COvQuaternion(COvAngleAxis(axis, 0.8f)).rotate(COvVector3(3, 1, 2)),
                  m.transformVector(COvVector3(3, 1, 2)), 1e-5f);
  ASSERT_TRUE(m.makeReflection(COvVector3(0, 0, 2), -2));  // the plane z = 1
  EXPECT_VEC_NEAR(COvVector3(4, 5, -4), m.transformPoint(COvVector3(4, 5, 6)), 1e-5f);
  // q = (1, 2, 3, 4): |q|² = 30; element 1 of the plain matrix is 2(xy - wz)/30 = -10/15.
  m.setRotation(COvQuaternion(1, 2, 3, 4));
  EXPECT_TRUE(std::fabs(m[1] + 10 / 15.f) < 1e-6f && std::fabs(m[4] - 14 / 15.f) < 1e-6f);
}

TEST(OvMatrix, DeterminantAndInverse) {
  COvRandom rng(11);
  for (int n = 0; n < 30; ++n) {
    COvMatrix44 m, other, inv;
    for (int i = 0; i < 16; ++i) m[i] = rng.Range(-2.0f, 2.0f), other[i] = rng.Range(-2.0f, 2.0f);
    // The inverse checks the determinant's scale; the product rule its sign and terms.
    EXPECT_NEAR(m.determinant() * other.determinant(), (m * other).determinant(), 1e-3f);
    COvMatrix33 m3(m[0], m[1], m[2], m[4], m[5], m[6], m[8], m[9], m[10]), inv3;
    if (std::fabs(m.determinant()) < 0.1f || std::fabs(m3.determinant()) < 0.1f) continue;
    ASSERT_TRUE(m.getInverse(inv) && m3.getInverse(inv3));
    COvMatrix44 rigid;
    rigid.makeRotationAxis(RandomPoint(rng, 1), rng.Range(-3, 3));
    rigid.setTranslation(RandomPoint(rng, 3));
    EXPECT_TRUE((rigid * rigid.getRigidInverse()).equals(COvMatrix44(), 1e-4f));
    EXPECT_TRUE((m * inv).equals(COvMatrix44(), 1e-3f) && (inv3 * m3).equals(COvMatrix33(), 1e-3f));
  }
  COvMatrix44 out = COvMatrix44() * 5.0f, singular = COvMatrix44() * 0.0f;
  EXPECT_FALSE(singular.getInverse(out));
  EXPECT_EQ(COvMatrix44() * 5.0f, out);
}

TEST(OvMatrix, CameraMatrices) {
  // Projections: the near-plane extents [l, r] × [b, t] go to [-1, 1]², the depths n to f in
  // front of the camera (+z for left-handed, -z for right-handed) to [0, 1]. Views: the eye
  // goes to the origin and the target onto the view axis.
  const float n = 1, f = 10;
  COvMatrix44 proj[8];
  const bool made[8] = {proj[0].makePerspectiveFovLH(kOvHalfPi, 2, n, f),
                        proj[1].makePerspectiveFovRH(kOvHalfPi, 2, n, f),
                        proj[2].makePerspectiveLH(4, 2, n, f),
                        proj[3].makePerspectiveRH(4, 2, n, f),
                        proj[4].makeOrthoLH(4, 2, n, f),
                        proj[5].makeOrthoRH(4, 2, n, f),
                        proj[6].makeOrthoOffCenterLH(1, 5, -3, 0, n, f),
                        proj[7].makeOrthoOffCenterRH(1, 5, -3, 0, n, f)};
  for (int kind = 0; kind < 8; ++kind) {
    SCOPED_TRACE(kind);
    const COvMatrix44& m = proj[kind];
    bool perspective = kind < 4, rh = kind % 2 == 1;
    float l = kind < 6 ? -2 : 1, r = kind < 6 ? 2 : 5, b = kind < 6 ? -1 : -3, t = kind < 6 ? 1 : 0;
    ASSERT_TRUE(made[kind]);
    for (float depth : {n, 4.0f, f}) {
      float s = perspective ? depth / n : 1.0f;
      for (int c = 0; c < 4; ++c) {
        COvVector4 clip =
            m.transform(COvVector4((c & 1 ? r : l) * s, (c & 2 ? t : b) * s, rh ? -depth : depth, 1));
        float z = perspective ? (depth - n) * f / ((f - n) * depth) : (depth - n) / (f - n);
        EXPECT_VEC_NEAR(COvVector3(c & 1 ? 1.0f : -1.0f, c & 2 ? 1.0f : -1.0f, z), clip.getXYZ() / clip.w,
                        1e-5f);
      }
    }
  }
  COvVector3 eye(3, -2, 5), at(-1, 4, 2), up(0, 0, 1);
  for (bool rh : {false, true}) {
    COvMatrix44 m;
    ASSERT_TRUE(rh ? m.makeLookAtRH(eye, at, up) : m.makeLookAtLH(eye, at, up));
    EXPECT_VEC_NEAR(COvVector3(), m.transformPoint(eye), 1e-5f);
    EXPECT_VEC_NEAR(COvVector3(0, 0, (rh ? -1 : 1) * (at - eye).length()), m.transformPoint(at), 1e-4f);
    // Up stays in the upper half of the view plane; the matrix is a rigid motion.
    EXPECT_TRUE(m.transformVector(up).y > 0.0f && std::fabs(m.transformVector(up).x) < 1e-5f);
    EXPECT_NEAR(1.0f, m.determinant(), 1e-5f);
  }
  COvMatrix44 m = COvMatrix44() * 2.0f, before = m;
  EXPECT_FALSE(m.makePerspectiveFovLH(1.0f, 1.0f, 3.0f, 3.0f) || m.makeOrthoRH(0.0f, 1.0f, 1.0f, 2.0f) ||
               m.makeLookAtRH(COvVector3(), COvVector3(0, 3, 0), COvVector3(0, 1, 0)));
  EXPECT_EQ(before, m);
}

TEST(OvTransform, MatrixFormCompositionAndInverse) {
  COvRandom rng(81);
  for (int n = 0; n < 20; ++n) {
    COvTransform t[2];
    for (COvTransform& x : t) {
      float s = rng.Range(0.5f, 2);
      x = COvTransform(RandomPoint(rng, 4), rng.UnitQuaternion(), COvVector3(s, n % 2 ? s : 1.5f, s));
    }
    COvVector3 p = RandomPoint(rng, 3);
    EXPECT_VEC_NEAR(t[0].getMatrix().transformPoint(p), t[0].transformPoint(p), 1e-4f);
    COvTransform back(t[0].getMatrix());
    EXPECT_TRUE(t[0].scale.equals(back.scale, 1e-4f) &&
                t[0].transformPoint(p).equals(back.transformPoint(p), 1e-4f));
    if (n % 2 == 0) continue;  // composition and inversion are exact for uniform scales
    EXPECT_VEC_NEAR(t[1].transformPoint(t[0].transformPoint(p)), t[0].combine(t[1]).transformPoint(p), 1e-3f);
    EXPECT_VEC_NEAR(p, t[0].getInverse().transformPoint(t[0].transformPoint(p)), 1e-4f);
  }
  COvMatrix44 mirror;
  mirror.makeScale(COvVector3(-2, 1, 1));
  EXPECT_VEC_NEAR(COvVector3(-2, 1, 1), COvTransform(mirror).transformPoint(COvVector3(1, 1, 1)), 1e-5f);
}
