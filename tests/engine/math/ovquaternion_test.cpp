#include "engine/math/ovquaternion.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/math/math_test_util.h"
#include "engine/math/ovmathutil.h"

TEST(OvQuaternion, HamiltonProductAndRotation) {
  // (4 + i + 2j + 3k)(8 + 5i + 6j + 7k) = -6 + 24i + 48j + 48k, w stored last.
  EXPECT_EQ(COvQuaternion(24, 48, 48, -6), COvQuaternion(1, 2, 3, 4) * COvQuaternion(5, 6, 7, 8));
  EXPECT_EQ(COvQuaternion(0, 0, -1, 0), COvQuaternion(0, 1, 0, 0) * COvQuaternion(1, 0, 0, 0));
  COvQuaternion aboutX(COvAngleAxis(COvVector3(1, 0, 0), kOvHalfPi));
  COvQuaternion aboutZ(COvAngleAxis(COvVector3(0, 0, 1), kOvHalfPi));
  EXPECT_VEC_NEAR(COvVector3(0, 0, 1), (aboutZ * aboutX).rotate(COvVector3(0, 1, 0)), 1e-6f);
  COvRandom rng(3);
  for (int n = 0; n < 20; ++n) {
    COvQuaternion q = rng.UnitQuaternion();
    COvVector3 v = RandomPoint(rng, 5.0f);
    COvQuaternion r = q * COvQuaternion(v.x, v.y, v.z, 0.0f) * q.getConjugate();
    EXPECT_VEC_NEAR(COvVector3(r.x, r.y, r.z), q.rotate(v), 1e-4f);
  }
}

TEST(OvQuaternion, AngleAxisInverseSlerpAndPacking) {
  COvQuaternion q(COvAngleAxis(COvVector3(0, 0, 2), kOvHalfPi));
  EXPECT_TRUE(q.equals(COvQuaternion(0, 0, std::sqrt(0.5f), std::sqrt(0.5f))));
  EXPECT_NEAR(kOvHalfPi, q.getAngleAxis().angle, 1e-5f);
  EXPECT_TRUE((COvQuaternion(1, 2, 3, 4) * COvQuaternion(1, 2, 3, 4).getInverse()).equals(COvQuaternion()));
  COvQuaternion half = COvQuaternion::slerp(COvQuaternion(), q, 0.5f);
  EXPECT_TRUE(half.equals(COvQuaternion(COvAngleAxis(COvVector3(0, 0, 1), kOvHalfPi / 2))));
  EXPECT_TRUE(COvQuaternion::slerp(COvQuaternion(), COvQuaternion(-q.x, -q.y, -q.z, -q.w), 0.5f).equals(half));
  COvPackedQuaternion p(COvQuaternion(0, 0, 2, 2));
  EXPECT_EQ(23170, p.z);  // round(sqrt(0.5) * 32767)
  EXPECT_TRUE(p.unpack().equals(q, 1e-4f));
  EXPECT_EQ(COvPackedQuaternion(), COvPackedQuaternion(COvQuaternion(0, 0, 0, 0)));
}
