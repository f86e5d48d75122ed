#include "engine/math/ovmatrix.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/math/ovmathutil.h"
#include "engine/math/math_test_util.h"

namespace {

COvMatrix44 Filled(float value) {
  COvMatrix44 m;
  for (int i = 0; i < 16; ++i) m[i] = value;
  return m;
}

COvMatrix44 RandomMatrix(COvRandom& rng) {
  COvMatrix44 m;
  for (int i = 0; i < 16; ++i) m[i] = rng.Range(-2.0f, 2.0f);
  return m;
}

// Determinant by Laplace expansion along the first row, in double precision.
double Det(const double* a, int n) {
  if (n == 1) return a[0];
  double sum = 0.0, sub[16];
  for (int col = 0; col < n; ++col) {
    int k = 0;
    for (int i = 1; i < n; ++i)
      for (int j = 0; j < n; ++j)
        if (j != col) sub[k++] = a[n * i + j];
    sum += (col % 2 ? -1.0 : 1.0) * a[col] * Det(sub, n - 1);
  }
  return sum;
}

}  // namespace

TEST(OvMatrixStorage, RowsTranslationAndAxes) {
  float e[16];
  for (int i = 0; i < 16; ++i) e[i] = static_cast<float>(i);
  COvMatrix44 m(e);
  EXPECT_EQ(6.0f, m(1, 2));
  EXPECT_EQ(COvVector3(0, 1, 2), m.getRight());
  EXPECT_EQ(COvVector3(4, 5, 6), m.getFront());
  EXPECT_EQ(COvVector3(8, 9, 10), m.getUp());
  EXPECT_EQ(COvVector3(12, 13, 14), m.getTranslation());
  m.makeTranslation(COvVector3(1, 2, 3));
  EXPECT_EQ(COvVector3(2, 2, 3), m.transformPoint(COvVector3(1, 0, 0)));
  EXPECT_EQ(COvVector3(1, 0, 0), m.transformVector(COvVector3(1, 0, 0)));
  EXPECT_EQ(COvVector4(2, 2, 3, 1), m.transform(COvVector4(1, 0, 0, 1)));
}

TEST(OvMatrixMultiply, CorrectIsThisTimesArgumentBuggedTheReverse) {
  COvMatrix22 a(1, 2, 3, 4), b(5, 6, 7, 8);
  EXPECT_EQ(COvMatrix22(19, 22, 43, 50), a.MultiplyCorrect(b));
  EXPECT_EQ(COvMatrix22(23, 34, 31, 46), a.MultiplyBugged(b));
  COvMatrix44 move, scale;
  move.makeTranslation(COvVector3(1, 2, 3));
  scale.makeScale(COvVector3(2, 2, 2));
  COvVector3 p(1, 1, 1);
  EXPECT_EQ(scale.transformPoint(move.transformPoint(p)), move.MultiplyCorrect(scale).transformPoint(p));
}

TEST(OvMatrixRotation, EulerOrders) {
  // (1, 2, 3) rotated by 90 degrees about each axis in turn.
  const struct {
    ERotationOrder order;
    COvVector3 expected;
  } rows[] = {
      {eRotationOrderXYZ, COvVector3(3, 2, -1)}, {eRotationOrderXZY, COvVector3(2, 1, -3)},
      {eRotationOrderYXZ, COvVector3(-1, 3, 2)}, {eRotationOrderYZX, COvVector3(-2, 1, 3)},
      {eRotationOrderZXY, COvVector3(1, -3, 2)}, {eRotationOrderZYX, COvVector3(3, -2, 1)},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(static_cast<int>(row.order));
    COvMatrix44 m;
    m.setRotation(kOvHalfPi, kOvHalfPi, kOvHalfPi, row.order);
    EXPECT_VEC_NEAR(row.expected, m.transformVector(COvVector3(1, 2, 3)), 1e-5f);
  }
  COvMatrix44 m = Filled(3.0f);
  m.setRotation(1.0f, 2.0f, 3.0f, static_cast<ERotationOrder>(6));
  m.rotate(1.0f, 2.0f, 3.0f, static_cast<ERotationOrder>(-1));
  EXPECT_EQ(Filled(3.0f), m);
  m.setRotation(0.0f, 0.0f, 0.0f, eRotationOrderZYX);
  EXPECT_EQ(COvMatrix44(), m);
  m.makeTranslation(COvVector3(5, 6, 7));
  m.rotate(0, 0, kOvHalfPi, eRotationOrderXYZ);
  EXPECT_VEC_NEAR(COvVector3(5, 7, 7), m.transformPoint(COvVector3(1, 0, 0)), 1e-5f);
}

TEST(OvMatrixQuaternion, ArrangementsAndRoundTrip) {
  // q = (1, 2, 3, 4): |q|² = 30; element 1 of the plain matrix is 2(xy - wz)/30 = -10/15.
  COvMatrix44 m = Filled(9.0f);
  m.setRotation(COvQuaternion(1, 2, 3, 4));
  EXPECT_NEAR(-10 / 15.f, m[1], 1e-6f);
  EXPECT_NEAR(14 / 15.f, m[4], 1e-6f);
  EXPECT_EQ(0.0f, m[12]);
  EXPECT_EQ(1.0f, m[15]);
  m.setRotation(COvQuaternion(1, 2, 3, 4), true);
  EXPECT_NEAR(14 / 15.f, m[1], 1e-6f);
  COvRandom rng(7);
  for (int n = 0; n < 50; ++n) {
    COvQuaternion q = rng.UnitQuaternion();
    COvVector3 v = RandomPoint(rng, 3.0f);
    m.setRotation(q, true);
    EXPECT_VEC_NEAR(q.rotate(v), m.transformVector(v), 1e-4f);
    COvQuaternion back = m.getRotation();
    EXPECT_NEAR(1.0f, std::fabs(back.dot(q)), 1e-4f);  // q and -q are the same rotation
    COvMatrix33 m3;
    m3.setRotation(q, true);
    EXPECT_NEAR(1.0f, std::fabs(m3.getRotation().dot(q)), 1e-4f);
  }
}

TEST(OvMatrixInverse, DeterminantAndInverseAgainstReferences) {
  COvRandom rng(11);
  for (int n = 0; n < 30; ++n) {
    COvMatrix44 m = RandomMatrix(rng), inv;
    double a[16];
    for (int i = 0; i < 16; ++i) a[i] = m[i];
    EXPECT_NEAR(Det(a, 4), m.determinant(), 1e-4);
    COvMatrix33 m3(m[0], m[1], m[2], m[4], m[5], m[6], m[8], m[9], m[10]), inv3;
    double a3[9] = {m[0], m[1], m[2], m[4], m[5], m[6], m[8], m[9], m[10]};
    EXPECT_NEAR(Det(a3, 3), m3.determinant(), 1e-4);
    if (std::fabs(m.determinant()) < 0.1f) continue;
    ASSERT_TRUE(m.getInverse(inv));
    EXPECT_TRUE((m * inv).equals(COvMatrix44(), 1e-3f));
    ASSERT_TRUE(m3.getInverse(inv3));
    EXPECT_TRUE((inv3 * m3).equals(COvMatrix33(), 1e-3f));
  }
  COvMatrix44 out = Filled(5.0f);
  EXPECT_FALSE(Filled(1.0f).getInverse(out));
  EXPECT_EQ(Filled(5.0f), out);
  COvMatrix22 inv22;
  ASSERT_TRUE(COvMatrix22(1, 2, 3, 4).getInverse(inv22));
  EXPECT_TRUE(inv22.equals(COvMatrix22(-2, 1, 1.5f, -0.5f)));
}

TEST(OvMatrixCamera, ProjectionsMapTheViewVolumeOntoClipSpace) {
  // z is the distance in front of the camera: +z for left-handed, -z for right-handed.
  enum Kind { kFovLH, kFovRH, kPerspLH, kPerspRH, kOrthoLH, kOrthoRH, kOffLH, kOffRH };
  for (int kind = kFovLH; kind <= kOffRH; ++kind) {
    SCOPED_TRACE(kind);
    COvMatrix44 m;
    float l = -2, r = 2, b = -1, t = 1, n = 1, f = 10;  // near-plane extent
    bool ok = false, perspective = kind < kOrthoLH, rh = kind % 2 == 1;
    if (kind == kFovLH) ok = m.makePerspectiveFovLH(2 * std::atan(1.0f), 2.0f, n, f);
    if (kind == kFovRH) ok = m.makePerspectiveFovRH(2 * std::atan(1.0f), 2.0f, n, f);
    if (kind == kPerspLH) ok = m.makePerspectiveLH(4, 2, n, f);
    if (kind == kPerspRH) ok = m.makePerspectiveRH(4, 2, n, f);
    if (kind == kOrthoLH) ok = m.makeOrthoLH(4, 2, n, f);
    if (kind == kOrthoRH) ok = m.makeOrthoRH(4, 2, n, f);
    if (kind >= kOffLH) l = 1, r = 5, b = -3, t = 0;
    if (kind == kOffLH) ok = m.makeOrthoOffCenterLH(l, r, b, t, n, f);
    if (kind == kOffRH) ok = m.makeOrthoOffCenterRH(l, r, b, t, n, f);
    ASSERT_TRUE(ok);
    for (float depth : {n, 4.0f, f}) {
      float s = perspective ? depth / n : 1.0f, z = rh ? -depth : depth;
      // Corners of the view volume at this depth go to the corners of the unit square.
      for (int c = 0; c < 4; ++c) {
        COvVector4 clip = m.transform(COvVector4((c & 1 ? r : l) * s, (c & 2 ? t : b) * s, z, 1));
        EXPECT_NEAR(c & 1 ? 1.0f : -1.0f, clip.x / clip.w, 1e-5f);
        EXPECT_NEAR(c & 2 ? 1.0f : -1.0f, clip.y / clip.w, 1e-5f);
        EXPECT_NEAR(perspective ? (depth - n) * f / ((f - n) * depth) : (depth - n) / (f - n), clip.z / clip.w,
                    1e-5f);
      }
    }
  }
  COvMatrix44 m = Filled(2.0f);
  EXPECT_FALSE(m.makePerspectiveFovLH(1.0f, 1.0f, 3.0f, 3.0f));
  EXPECT_FALSE(m.makeOrthoRH(0.0f, 1.0f, 1.0f, 2.0f));
  EXPECT_FALSE(m.makeLookAtLH(COvVector3(1, 1, 1), COvVector3(1, 1, 1), COvVector3(0, 1, 0)));
  EXPECT_FALSE(m.makeLookAtRH(COvVector3(), COvVector3(0, 3, 0), COvVector3(0, 1, 0)));
  EXPECT_EQ(Filled(2.0f), m);
}

TEST(OvMatrixCamera, LookAtPutsTheEyeAtTheOrigin) {
  COvVector3 eye(3, -2, 5), at(-1, 4, 2), up(0, 0, 1);
  float dist = (at - eye).length();
  for (bool rh : {false, true}) {
    COvMatrix44 m;
    ASSERT_TRUE(rh ? m.makeLookAtRH(eye, at, up) : m.makeLookAtLH(eye, at, up));
    EXPECT_VEC_NEAR(COvVector3(), m.transformPoint(eye), 1e-5f);
    EXPECT_VEC_NEAR(COvVector3(0, 0, rh ? -dist : dist), m.transformPoint(at), 1e-4f);
    // Up stays in the upper half of the view plane; the matrix is a rigid motion.
    EXPECT_GT(m.transformVector(up).y, 0.0f);
    EXPECT_NEAR(0.0f, m.transformVector(up).x, 1e-5f);
    EXPECT_NEAR(1.0f, m.determinant(), 1e-5f);
  }
}
