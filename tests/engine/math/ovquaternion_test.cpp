#include "engine/math/ovquaternion.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
const float kHalfPi = 1.57079632679f;
}

TEST(OvQuaternion, WIsStoredLast) {
  COvQuaternion q(1, 2, 3, 4);
  EXPECT_EQ(4.0f, q[3]);
  EXPECT_EQ(COvQuaternion(0, 0, 0, 1), COvQuaternion());
  EXPECT_NE(COvQuaternion(1, 2, 3, 4), COvQuaternion(4, 3, 2, 1));
}

TEST(OvQuaternion, HamiltonProduct) {
  // (4 + i + 2j + 3k)(8 + 5i + 6j + 7k) = -6 + 24i + 48j + 48k
  EXPECT_EQ(COvQuaternion(24, 48, 48, -6), COvQuaternion(1, 2, 3, 4) * COvQuaternion(5, 6, 7, 8));
  const COvQuaternion i(1, 0, 0, 0), j(0, 1, 0, 0), k(0, 0, 1, 0);
  EXPECT_EQ(k, i * j);
  EXPECT_EQ(COvQuaternion(0, 0, -1, 0), j * i);
  EXPECT_EQ(i, j * k);
  EXPECT_EQ(COvQuaternion(0, 0, 0, -1), i * i);
  COvQuaternion q = i;
  q *= j;
  EXPECT_EQ(k, q);
}

TEST(OvQuaternion, ProductRotatesByTheRightOperandFirst) {
  COvQuaternion aboutX(COvAngleAxis(COvVector3(1, 0, 0), kHalfPi));
  COvQuaternion aboutZ(COvAngleAxis(COvVector3(0, 0, 1), kHalfPi));
  // Y goes to Z about X, Z stays about Z.
  EXPECT_TRUE((aboutZ * aboutX).rotate(COvVector3(0, 1, 0)).equals(COvVector3(0, 0, 1)));
  // Y goes to -X about Z, -X stays about X.
  EXPECT_TRUE((aboutX * aboutZ).rotate(COvVector3(0, 1, 0)).equals(COvVector3(-1, 0, 0)));
}

TEST(OvQuaternion, AngleAxisRoundTrip) {
  COvQuaternion q(COvAngleAxis(COvVector3(0, 0, 2), kHalfPi));
  EXPECT_TRUE(q.equals(COvQuaternion(0, 0, std::sqrt(0.5f), std::sqrt(0.5f))));
  COvAngleAxis aa = q.getAngleAxis();
  EXPECT_TRUE(aa.axis.equals(COvVector3(0, 0, 1)));
  EXPECT_NEAR(kHalfPi, aa.angle, 1e-5f);
  EXPECT_EQ(COvQuaternion(), COvQuaternion(COvAngleAxis(COvVector3(0, 0, 0), 1.0f)));
  EXPECT_EQ(0.0f, COvQuaternion().getAngleAxis().angle);
}

TEST(OvQuaternion, InverseUndoesTheRotation) {
  COvQuaternion q(1, 2, 3, 4);
  EXPECT_TRUE((q * q.getInverse()).equals(COvQuaternion()));
  EXPECT_EQ(COvQuaternion(-1, -2, -3, 4), q.getConjugate());
  COvQuaternion zero(0, 0, 0, 0);
  EXPECT_EQ(zero, zero.getInverse());
  EXPECT_EQ(0.0f, zero.normalize());
  EXPECT_EQ(zero, zero);
}

TEST(OvQuaternion, SlerpHalfway) {
  COvQuaternion a, b(COvAngleAxis(COvVector3(0, 1, 0), kHalfPi));
  COvQuaternion mid = COvQuaternion::slerp(a, b, 0.5f);
  EXPECT_TRUE(mid.equals(COvQuaternion(COvAngleAxis(COvVector3(0, 1, 0), kHalfPi / 2))));
  EXPECT_TRUE(COvQuaternion::slerp(a, b, 0.0f).equals(a));
  EXPECT_TRUE(COvQuaternion::slerp(a, b, 1.0f).equals(b));
}

TEST(OvPackedQuaternion, PacksNormalizedComponents) {
  COvPackedQuaternion p(COvQuaternion(0, 0, 2, 2));
  EXPECT_EQ(0, p.x);
  EXPECT_EQ(23170, p.z);  // round(sqrt(0.5) * 32767)
  EXPECT_EQ(23170, p.w);
  EXPECT_TRUE(p.unpack().equals(COvQuaternion(0, 0, std::sqrt(0.5f), std::sqrt(0.5f)), 1e-4f));
  EXPECT_EQ(COvPackedQuaternion(), COvPackedQuaternion(COvQuaternion(0, 0, 0, 0)));
  EXPECT_EQ(COvQuaternion(), COvPackedQuaternion().unpack());
}

TEST(OvEulerAngles, ComponentsAndEquality) {
  COvEulerAngles e(0.1f, 0.2f, 0.3f);
  EXPECT_EQ(0.3f, e[2]);
  EXPECT_EQ(COvEulerAngles(0.1f, 0.2f, 0.3f), e);
  EXPECT_NE(COvEulerAngles(), e);
  EXPECT_NE(COvAngleAxis(COvVector3(0, 1, 0), 1), COvAngleAxis(COvVector3(0, 1, 0), 2));
}
