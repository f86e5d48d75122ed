#include "engine/math/ovmatrix.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/math/math_test_util.h"
#include "engine/math/ovmathutil.h"
#include "engine/math/ovtransform.h"

TEST(OvMatrix, StorageAndMultiplicationOrder) {
  const float e[16] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
  COvMatrix44 m(e);
  EXPECT_TRUE(m(1, 2) == 6.0f && m.getFront() == COvVector3(4, 5, 6) && m.getUp() == COvVector3(8, 9, 10) &&
              m.getTranslation() == COvVector3(12, 13, 14));
  COvMatrix22 a(1, 2, 3, 4), b(5, 6, 7, 8);
  EXPECT_TRUE(a.MultiplyCorrect(b) == COvMatrix22(19, 22, 43, 50) &&
              a.MultiplyBugged(b) == COvMatrix22(23, 34, 31, 46));
}

TEST(OvMatrix, EulerOrdersAndTheirInverse) {
  // (1, 2, 3) rotated by 90 degrees about each axis in turn.
  const COvVector3 expected[6] = {COvVector3(3, 2, -1), COvVector3(2, 1, -3), COvVector3(-1, 3, 2),
                                  COvVector3(-2, 1, 3), COvVector3(1, -3, 2), COvVector3(3, -2, 1)};
  COvRandom rng(7);
  for (int order = 0; order < 6; ++order) {
    SCOPED_TRACE(order);
    ERotationOrder o = static_cast<ERotationOrder>(order);
    COvMatrix44 m, back;
    m.setRotation(kOvHalfPi, kOvHalfPi, kOvHalfPi, o);
    EXPECT_VEC_NEAR(expected[order], m.transformVector(COvVector3(1, 2, 3)), 1e-5f);
    for (int n = 0; n < 20; ++n) {
      const COvEulerAngles e(rng.Range(-3, 3), rng.Range(-3, 3), rng.Range(-3, 3));
      COvQuaternion q;
      m.makeRotation(e, o);
      back.makeRotation(m.getEulerAngles(o), o);
      q.setRotation(e, o);
      // The quaternion of the same angles is the matrix's; q and -q are the same rotation.
      EXPECT_TRUE(back.equals(m, 1e-4f) && std::fabs(std::fabs(m.getRotation().dot(q)) - 1) < 1e-4f);
    }
  }
  // Unknown orders change nothing.
  COvMatrix44 m = COvMatrix44() * 3.0f, unchanged = m;
  m.setRotation(1.0f, 2.0f, 3.0f, static_cast<ERotationOrder>(6));
  m.rotate(1.0f, 2.0f, 3.0f, static_cast<ERotationOrder>(-1));
  EXPECT_TRUE(unchanged == m && m.getEulerAngles(static_cast<ERotationOrder>(6)) == COvEulerAngles());
  // A translation turned about Z; an axis rotation as the quaternion of the same angle and axis.
  m.makeTranslation(COvVector3(5, 6, 7));
  m.rotate(0, 0, kOvHalfPi, eRotationOrderXYZ);
  EXPECT_VEC_NEAR(COvVector3(5, 7, 7), m.transformPoint(COvVector3(1, 0, 0)), 1e-5f);
  m.makeRotationAxis(COvVector3(1, -2, 0.5f), 0.8f);
  EXPECT_VEC_NEAR(COvQuaternion(COvAngleAxis(COvVector3(1, -2, 0.5f), 0.8f)).rotate(COvVector3(3, 1, 2)),
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
    COvMatrix44 m, inv, rigid;
    // The inverse is the adjugate over the determinant: m × inv = I pins the determinant too.
    for (int i = 0; i < 16; ++i) m[i] = rng.Range(-2.0f, 2.0f);
    COvMatrix33 m3(m[0], m[1], m[2], m[4], m[5], m[6], m[8], m[9], m[10]), inv3;
    if (std::fabs(m.determinant()) < 0.1f || std::fabs(m3.determinant()) < 0.1f) continue;
    ASSERT_TRUE(m.getInverse(inv) && m3.getInverse(inv3));
    rigid.makeRotationAxis(RandomPoint(rng, 1), rng.Range(-3, 3));
    rigid.setTranslation(RandomPoint(rng, 3));
    EXPECT_TRUE((rigid * rigid.getRigidInverse()).equals(COvMatrix44(), 1e-4f) &&
                (m * inv).equals(COvMatrix44(), 1e-3f) && (inv3 * m3).equals(COvMatrix33(), 1e-3f));
  }
  // A singular matrix has no inverse and leaves the output alone.
  COvMatrix44 out = COvMatrix44() * 5.0f, singular = COvMatrix44() * 0.0f;
  EXPECT_TRUE(!singular.getInverse(out) && out == COvMatrix44() * 5.0f);
}

TEST(OvMatrix, CameraMatrices) {
  // Projections: the near-plane extents [l, r] × [b, t] go to [-1, 1]², the depths n to f in
  // front of the camera (+z for left-handed, -z for right-handed) to [0, 1]. Views: the eye
  // goes to the origin and the target onto the view axis.
  const float n = 1, f = 10;
  COvMatrix44 p[8];
  ASSERT_TRUE(p[0].makePerspectiveFovLH(kOvHalfPi, 2, n, f) &&
              p[1].makePerspectiveFovRH(kOvHalfPi, 2, n, f) && p[2].makePerspectiveLH(4, 2, n, f) &&
              p[3].makePerspectiveRH(4, 2, n, f) && p[4].makeOrthoLH(4, 2, n, f) &&
              p[5].makeOrthoRH(4, 2, n, f) && p[6].makeOrthoOffCenterLH(1, 5, -3, 0, n, f) &&
              p[7].makeOrthoOffCenterRH(1, 5, -3, 0, n, f));
  for (int kind = 0; kind < 8; ++kind) {
    bool perspective = kind < 4, rh = kind % 2 == 1;
    float l = kind < 6 ? -2 : 1, r = kind < 6 ? 2 : 5, b = kind < 6 ? -1 : -3, t = kind < 6 ? 1 : 0;
    // Corner c of the extents at three depths, the middle one where perspective depth bends.
    for (int c = 0; c < 12; ++c) {
      float depth = c < 4 ? n : c < 8 ? 4.0f : f, s = perspective ? depth / n : 1.0f;
      float z = perspective ? (depth - n) * f / ((f - n) * depth) : (depth - n) / (f - n);
      COvVector4 clip =
          p[kind].transform(COvVector4((c & 1 ? r : l) * s, (c & 2 ? t : b) * s, rh ? -depth : depth, 1));
      EXPECT_VEC_NEAR(COvVector3(c & 1 ? 1.0f : -1.0f, c & 2 ? 1.0f : -1.0f, z), clip.getXYZ() / clip.w,
                      1e-5f)
          << kind << " " << c;
    }
  }
  COvVector3 eye(3, -2, 5), at(-1, 4, 2), up(0, 0, 1);
  for (bool rh : {false, true}) {
    COvMatrix44 m;
    ASSERT_TRUE(rh ? m.makeLookAtRH(eye, at, up) : m.makeLookAtLH(eye, at, up));
    // Up stays in the upper half of the view plane; the matrix is a rigid motion.
    EXPECT_TRUE(m.transformPoint(eye).equals(COvVector3(), 1e-5f) &&
                m.transformPoint(at).equals(COvVector3(0, 0, (rh ? -1 : 1) * (at - eye).length()), 1e-4f) &&
                m.transformVector(up).y > 0.0f && std::fabs(m.transformVector(up).x) < 1e-5f &&
                std::fabs(m.determinant() - 1) < 1e-5f)
        << rh;
  }
  // Degenerate frustums and views leave the matrix as it was.
  COvMatrix44 m = COvMatrix44() * 2.0f, before = m;
  EXPECT_FALSE(m.makePerspectiveFovLH(1.0f, 1.0f, 3.0f, 3.0f) || m.makeOrthoRH(0.0f, 1.0f, 1.0f, 2.0f) ||
               m.makeLookAtRH(COvVector3(), COvVector3(0, 3, 0), COvVector3(0, 1, 0)));
  EXPECT_EQ(before, m);
}

TEST(OvTransform, MatrixFormCompositionAndInverse) {
  // Scaled, turned a quarter about Z and moved: (1, 1, 1) becomes (2, 1.5, 2), (-1.5, 2, 2),
  // then (-0.5, 4, 5); the same through the matrix and through its decomposition.
  const COvQuaternion z90(COvAngleAxis(COvVector3(0, 0, 1), kOvHalfPi)),
      x90(COvAngleAxis(COvVector3(1, 0, 0), kOvHalfPi));
  const COvTransform a(COvVector3(1, 2, 3), z90, COvVector3(2, 1.5f, 2)), back(a.getMatrix());
  const COvVector3 p(1, 1, 1), q(-0.5f, 4, 5);
  EXPECT_TRUE(a.transformPoint(p).equals(q, 1e-5f) && a.getMatrix().transformPoint(p).equals(q, 1e-5f) &&
              back.scale.equals(a.scale, 1e-5f) && back.transformPoint(p).equals(q, 1e-5f));
  // Composition and inversion, exact for uniform scales: b takes p to (-2, 2, 3), c that on
  // to (-1, 1, 1.5), (-1, -1.5, 1) and (4, -1.5, 1).
  const COvTransform b(COvVector3(0, 0, 1), z90, COvVector3(2, 2, 2)),
      c(COvVector3(5, 0, 0), x90, COvVector3(0.5f, 0.5f, 0.5f));
  EXPECT_TRUE(b.combine(c).transformPoint(p).equals(COvVector3(4, -1.5f, 1), 1e-5f) &&
              b.getInverse().transformPoint(COvVector3(-2, 2, 3)).equals(p, 1e-5f));
  COvMatrix44 mirror;
  mirror.makeScale(COvVector3(-2, 1, 1));
  EXPECT_VEC_NEAR(COvVector3(-2, 1, 1), COvTransform(mirror).transformPoint(COvVector3(1, 1, 1)), 1e-5f);
}
