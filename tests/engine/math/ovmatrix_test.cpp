#include "engine/math/ovmatrix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

const float kHalfPi = 1.57079632679f;

COvMatrix44 Filled(float value) {
  COvMatrix44 m;
  for (int i = 0; i < 16; ++i) m[i] = value;
  return m;
}

void ExpectMatrixNear(const float* expected, const COvMatrix44& actual) {
  for (int i = 0; i < 16; ++i) EXPECT_NEAR(expected[i], actual[i], 1e-6f) << "element " << i;
}

}  // namespace

TEST(OvMatrixStorage, RowAfterRow) {
  COvMatrix44 m;
  m(1, 2) = 7.0f;
  EXPECT_EQ(7.0f, m[6]);
  float raw[16];
  std::memcpy(raw, &m, sizeof(raw));
  EXPECT_EQ(7.0f, raw[6]);
  EXPECT_EQ(1.0f, raw[15]);

  COvMatrix33 m3(1, 2, 3, 4, 5, 6, 7, 8, 9);
  EXPECT_EQ(6.0f, m3(1, 2));
  EXPECT_EQ(6.0f, m3[5]);
  EXPECT_EQ(3.0f, COvMatrix22(1, 2, 3, 4)(1, 0));
  EXPECT_TRUE(COvMatrix33().isIdentity());
  EXPECT_EQ(COvMatrix33(1, 4, 7, 2, 5, 8, 3, 6, 9), m3.getTransposed());
}

TEST(OvMatrixStorage, TranslationLivesInElements12To14) {
  COvMatrix44 m;
  m.makeTranslation(COvVector3(1, 2, 3));
  EXPECT_EQ(1.0f, m[12]);
  EXPECT_EQ(2.0f, m[13]);
  EXPECT_EQ(3.0f, m[14]);
  EXPECT_EQ(0.0f, m[3]);
  EXPECT_EQ(COvVector3(1, 2, 3), m.getTranslation());
  EXPECT_EQ(COvVector3(1, 2, 3), m.transformPoint(COvVector3(0, 0, 0)));
  EXPECT_EQ(COvVector3(1, 0, 0), m.transformVector(COvVector3(1, 0, 0)));
  EXPECT_EQ(COvVector4(2, 2, 3, 1), m.transform(COvVector4(1, 0, 0, 1)));
}

TEST(OvMatrixStorage, RightFrontUpAreRows) {
  float e[16];
  for (int i = 0; i < 16; ++i) e[i] = static_cast<float>(i);
  COvMatrix44 m(e);
  EXPECT_EQ(COvVector3(0, 1, 2), m.getRight());
  EXPECT_EQ(COvVector3(4, 5, 6), m.getFront());
  EXPECT_EQ(COvVector3(8, 9, 10), m.getUp());
  EXPECT_EQ(COvVector3(12, 13, 14), m.getTranslation());
}

TEST(OvMatrixMultiply, CorrectIsThisTimesArgument) {
  COvMatrix22 a(1, 2, 3, 4), b(5, 6, 7, 8);
  EXPECT_EQ(COvMatrix22(19, 22, 43, 50), a.MultiplyCorrect(b));
  EXPECT_EQ(COvMatrix22(19, 22, 43, 50), a * b);
  EXPECT_EQ(COvMatrix22(23, 34, 31, 46), a.MultiplyBugged(b));
  EXPECT_EQ(b.MultiplyCorrect(a), a.MultiplyBugged(b));
}

TEST(OvMatrixMultiply, CorrectAppliesThisFirst) {
  COvMatrix44 move, scale;
  move.makeTranslation(COvVector3(1, 2, 3));
  scale.makeScale(COvVector3(2, 2, 2));
  EXPECT_EQ(COvVector3(2, 4, 6), move.MultiplyCorrect(scale).getTranslation());
  EXPECT_EQ(COvVector3(1, 2, 3), move.MultiplyBugged(scale).getTranslation());
  COvVector3 p(1, 1, 1);
  EXPECT_EQ(scale.transformPoint(move.transformPoint(p)), move.MultiplyCorrect(scale).transformPoint(p));
}

TEST(OvMatrixRotation, AxisRotationsAreRightHanded) {
  COvMatrix44 m;
  m.makeRotationZ(kHalfPi);
  EXPECT_TRUE(m.getRight().equals(COvVector3(0, 1, 0)));
  EXPECT_TRUE(m.getFront().equals(COvVector3(-1, 0, 0)));
  m.makeRotationX(kHalfPi);
  EXPECT_TRUE(m.transformVector(COvVector3(0, 1, 0)).equals(COvVector3(0, 0, 1)));
  m.makeRotationY(kHalfPi);
  EXPECT_TRUE(m.transformVector(COvVector3(0, 0, 1)).equals(COvVector3(1, 0, 0)));
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
    m.setRotation(kHalfPi, kHalfPi, kHalfPi, row.order);
    EXPECT_TRUE(m.transformVector(COvVector3(1, 2, 3)).equals(row.expected, 1e-5f));
    COvMatrix44 e;
    e.makeRotation(COvEulerAngles(kHalfPi, kHalfPi, kHalfPi), row.order);
    EXPECT_EQ(m, e);
  }
}

TEST(OvMatrixRotation, UnknownOrderDoesNothing) {
  COvMatrix44 m = Filled(3.0f);
  m.setRotation(1.0f, 2.0f, 3.0f, static_cast<ERotationOrder>(6));
  EXPECT_EQ(Filled(3.0f), m);
  m.rotate(1.0f, 2.0f, 3.0f, static_cast<ERotationOrder>(-1));
  EXPECT_EQ(Filled(3.0f), m);
  m.makeRotation(COvEulerAngles(1, 2, 3), static_cast<ERotationOrder>(100));
  EXPECT_EQ(Filled(3.0f), m);
}

TEST(OvMatrixRotation, ZeroAnglesSkipTheirAxis) {
  COvMatrix44 m = Filled(3.0f), identity;
  m.setRotation(0.0f, 0.0f, 0.0f, eRotationOrderZYX);
  EXPECT_EQ(0, std::memcmp(&identity, &m, sizeof(m)));
  COvMatrix44 x;
  x.makeRotationX(0.5f);
  m.setRotation(0.5f, 0.0f, 0.0f, eRotationOrderYZX);
  EXPECT_EQ(0, std::memcmp(&x, &m, sizeof(m)));
}

TEST(OvMatrixRotation, RotateKeepsTheTranslationAndComposesLocally) {
  COvMatrix44 m;
  m.makeTranslation(COvVector3(5, 6, 7));
  m.rotate(0, 0, kHalfPi, eRotationOrderXYZ);
  EXPECT_EQ(COvVector3(5, 6, 7), m.getTranslation());
  EXPECT_TRUE(m.transformPoint(COvVector3(1, 0, 0)).equals(COvVector3(5, 7, 7)));

  // Rotating an X rotation by Y applies Y first: the same as order Y, X.
  COvMatrix44 r, yx;
  r.setRotation(kHalfPi, 0, 0, eRotationOrderXYZ);
  r.rotate(0, kHalfPi, 0, eRotationOrderXYZ);
  yx.setRotation(kHalfPi, kHalfPi, 0, eRotationOrderYXZ);
  EXPECT_TRUE(r.equals(yx));
}

TEST(OvMatrixQuaternion, PlainAndTransposedArrangements) {
  // q = (1, 2, 3, 4): |q|² = 30, so the products are scaled by 1/15.
  const float plain[16] = {2 / 15.f,  -10 / 15.f, 11 / 15.f, 0, 14 / 15.f, 5 / 15.f, 2 / 15.f, 0,
                           -5 / 15.f, 10 / 15.f,  10 / 15.f, 0, 0,         0,        0,        1};
  const float transposed[16] = {2 / 15.f,  14 / 15.f, -5 / 15.f, 0, -10 / 15.f, 5 / 15.f, 10 / 15.f, 0,
                                11 / 15.f, 2 / 15.f,  10 / 15.f, 0, 0,          0,        0,         1};
  COvMatrix44 m = Filled(9.0f);
  m.setRotation(COvQuaternion(1, 2, 3, 4));
  ExpectMatrixNear(plain, m);
  m = Filled(9.0f);
  m.setRotation(COvQuaternion(1, 2, 3, 4), true);
  ExpectMatrixNear(transposed, m);

  COvMatrix33 m3;
  m3.setRotation(COvQuaternion(1, 2, 3, 4), true);
  EXPECT_NEAR(14 / 15.f, m3(0, 1), 1e-6f);
  EXPECT_NEAR(2 / 15.f, m3(2, 1), 1e-6f);
}

TEST(OvMatrixQuaternion, TransposedMatchesTheEulerRotations) {
  const float s = std::sin(0.15f), c = std::cos(0.15f);
  COvMatrix44 fromQ, fromEuler;
  fromQ.setRotation(COvQuaternion(s, 0, 0, c), true);
  fromEuler.makeRotationX(0.3f);
  EXPECT_TRUE(fromQ.equals(fromEuler));
  fromQ.setRotation(COvQuaternion(0, s, 0, c), true);
  fromEuler.makeRotationY(0.3f);
  EXPECT_TRUE(fromQ.equals(fromEuler));
  fromQ.setRotation(COvQuaternion(0, 0, s, c), true);
  fromEuler.makeRotationZ(0.3f);
  EXPECT_TRUE(fromQ.equals(fromEuler));

  COvQuaternion q(COvAngleAxis(COvVector3(1, 2, 3), 0.7f));
  fromQ.setRotation(q, true);
  EXPECT_TRUE(fromQ.transformVector(COvVector3(4, 5, 6)).equals(q.rotate(COvVector3(4, 5, 6))));
  // The plain matrix is the inverse rotation for row vectors.
  fromQ.setRotation(q);
  EXPECT_TRUE(fromQ.transformVector(q.rotate(COvVector3(4, 5, 6))).equals(COvVector3(4, 5, 6), 1e-4f));
}

TEST(OvMatrixQuaternion, ScaleComesFromTheSquaredLength) {
  COvMatrix44 unnormalized, normalized;
  unnormalized.setRotation(COvQuaternion(0, 0, 2, 2));
  normalized.setRotation(COvQuaternion(0, 0, std::sqrt(0.5f), std::sqrt(0.5f)));
  EXPECT_TRUE(unnormalized.equals(normalized));
  EXPECT_FLOAT_EQ(-1.0f, unnormalized[1]);

  COvMatrix44 zero = Filled(9.0f);
  zero.setRotation(COvQuaternion(0, 0, 0, 0));
  EXPECT_EQ(COvMatrix44(), zero);
}

TEST(OvMatrixInverse, KnownInverses) {
  COvMatrix22 inv22;
  ASSERT_TRUE(COvMatrix22(1, 2, 3, 4).getInverse(inv22));
  EXPECT_TRUE(inv22.equals(COvMatrix22(-2, 1, 1.5f, -0.5f)));

  COvMatrix33 a(1, 2, 3, 0, 1, 4, 5, 6, 0), inv33;
  EXPECT_EQ(1.0f, a.determinant());
  ASSERT_TRUE(a.getInverse(inv33));
  EXPECT_TRUE(inv33.equals(COvMatrix33(-24, 18, 5, 20, -15, -4, -5, 4, 1)));

  COvMatrix44 t, r, s;
  t.makeTranslation(COvVector3(1, -2, 3));
  r.setRotation(0.3f, 0.4f, 0.5f, eRotationOrderZXY);
  s.makeScale(COvVector3(2, 3, 4));
  COvMatrix44 m = s * r * t, inv;
  EXPECT_NEAR(24.0f, m.determinant(), 1e-4f);
  ASSERT_TRUE(m.getInverse(inv));
  EXPECT_TRUE((m * inv).equals(COvMatrix44()));
}

TEST(OvMatrixInverse, SingularLeavesTheOutputAlone) {
  COvMatrix44 out = Filled(5.0f);
  EXPECT_FALSE(Filled(1.0f).getInverse(out));
  EXPECT_EQ(Filled(5.0f), out);
  COvMatrix22 out22(9, 9, 9, 9);
  EXPECT_FALSE(COvMatrix22(1, 2, 2, 4).getInverse(out22));
  EXPECT_EQ(COvMatrix22(9, 9, 9, 9), out22);
}
