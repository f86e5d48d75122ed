// Vectors, quaternions, complex numbers and random values.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/math/math_test_util.h"
#include "engine/math/ovcomplex.h"
#include "engine/math/ovmathutil.h"
#include "engine/math/ovquaternion.h"
#include "engine/math/ovrandom.h"
#include "engine/math/ovvector.h"

TEST(OvVector, Operations) {
  EXPECT_EQ(COvVector3(-3, 6, -3), COvVector3(1, 2, 3).cross(COvVector3(4, 5, 6)));
  COvVector3 c(3, 0, 4), zero;
  EXPECT_TRUE(c.normalize() == 5.0f && c.equals(COvVector3(0.6f, 0, 0.8f)));
  EXPECT_TRUE(zero.normalize() == 0.0f && zero == COvVector3());  // stays finite
  EXPECT_EQ(COvVector3(1, 1, 0), COvVector3(1, -1, 0).reflect(COvVector3(0, 1, 0)));
  EXPECT_EQ(COvVector3(0, 2, 0), COvVector3(5, 2, 1).project(COvVector3(0, 3, 0)));
  EXPECT_EQ(COvVector2i(0, 3), COvVector2i(-5, 9).getClamped(COvVector2i(0, 0), COvVector2i(4, 3)));
}

TEST(OvQuaternion, ProductRotationAngleAxisSlerpAndPacking) {
  // (4 + i + 2j + 3k)(8 + 5i + 6j + 7k) = -6 + 24i + 48j + 48k, w stored last.
  EXPECT_EQ(COvQuaternion(24, 48, 48, -6), COvQuaternion(1, 2, 3, 4) * COvQuaternion(5, 6, 7, 8));
  // A quarter turn about Z, the axis not of unit length.
  COvQuaternion q(COvAngleAxis(COvVector3(0, 0, 2), kOvHalfPi)),
      half = COvQuaternion::slerp(COvQuaternion(), q, 0.5f);
  EXPECT_TRUE(q.equals(COvQuaternion(0, 0, std::sqrt(0.5f), std::sqrt(0.5f))) &&
              std::fabs(q.getAngleAxis().angle - kOvHalfPi) < 1e-5f);
  EXPECT_VEC_NEAR(COvVector3(-2, 1, 3), q.rotate(COvVector3(1, 2, 3)), 1e-5f);
  // Halfway either way round: slerp, and nlerp from the opposite sign.
  EXPECT_TRUE(
      half.equals(COvQuaternion(COvAngleAxis(COvVector3(0, 0, 1), kOvHalfPi / 2))) &&
      COvQuaternion::nlerp(COvQuaternion(), COvQuaternion(-q.x, -q.y, -q.z, -q.w), 0.5f).equals(half));
  // The shortest arc, also between opposite and equal vectors.
  COvVector3 from(1, 2, 0);
  for (const COvVector3& to : {COvVector3(0, -1, 3), -from, from})
    EXPECT_VEC_NEAR(to.getNormalized(), COvQuaternion::FromTwoVectors(from, to).rotate(from).getNormalized(),
                    1e-5f);
  COvPackedQuaternion p(COvQuaternion(0, 0, 2, 2));
  EXPECT_TRUE(p.z == 23170 && p.unpack().equals(q, 1e-4f));  // round(sqrt(0.5) * 32767)
}

TEST(OvComplex, ArithmeticAndPolarForm) {
  COvComplex a(1, 2), b(3, -1), q = a / b;
  EXPECT_TRUE(a * b == COvComplex(5, 5) && a / COvComplex() == COvComplex());
  // Multiplying adds the angles and multiplies the magnitudes.
  COvComplex p = COvComplex::FromPolar(2, 0.5f) * COvComplex::FromPolar(1.5f, 0.75f);
  EXPECT_TRUE(std::fabs(p.magnitude() - 3) < 1e-6f && std::fabs(p.argument() - 1.25f) < 1e-6f);
  // Each a known identity: the sum of the errors.
  EXPECT_NEAR(0.0f,
              ((q * b) - a).magnitude() + (COvComplex(0, kOvPi).exp() - COvComplex(-1, 0)).magnitude() +
                  (COvComplex(-4, 0).sqrt() - COvComplex(0, 2)).magnitude() +
                  (a.log().exp() - a).magnitude() + (a.pow(3) - a * a * a).magnitude(),
              1e-4f);
}

TEST(OvRandom, RepeatableSequencesAndRanges) {
  // The same seed repeats, another one (0 included) does not; values stay in their ranges.
  COvRandom a(1), b(1), zero(0), rng(5);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(a.NextUInt(), b.NextUInt());
  EXPECT_NE(a.NextUInt(), zero.NextUInt());
  int hits[4] = {0, 0, 0, 0};
  float lowest = 1, highest = 0, squares = 0;  // of the floats; of the normal values
  for (int i = 0; i < 400; ++i) {
    float f = rng.NextFloat(), r = rng.Range(-3, 5), g = rng.Gaussian();
    int k = rng.RangeInt(-1, 2);
    ASSERT_TRUE(f >= 0.0f && f < 1.0f && r >= -3 && r < 5 && k >= -1 && k <= 2);
    ASSERT_TRUE(rng.PointInDisc().length() <= 1.0f && rng.PointInBall().length() <= 1.0f);
    EXPECT_NEAR(1.0f, rng.UnitVector3().length() * rng.UnitQuaternion().length(), 1e-5f);
    ++hits[k + 1], squares += g * g;
    lowest = std::fmin(lowest, f), highest = std::fmax(highest, f);
  }
  // The floats spread over [0, 1); the normal values have about unit variance.
  EXPECT_TRUE(lowest < 0.05f && highest > 0.95f && squares > 0.7f * 400 && squares < 1.3f * 400);
  // Every integer of the range comes up; an empty range gives its lower end.
  EXPECT_TRUE(hits[0] && hits[1] && hits[2] && hits[3] && rng.RangeInt(7, 3) == 7);
  // The mean and the deviation move and scale the standard normal value.
  COvRandom g1(9), g2(9);
  EXPECT_NEAR(2 + 3 * g2.Gaussian(), g1.Gaussian(2, 3), 1e-5f);
}
