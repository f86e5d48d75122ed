#include "engine/math/ovcomplex.h"

#include <gtest/gtest.h>

#include "engine/math/ovmathutil.h"

TEST(OvComplex, ArithmeticAndPolarForm) {
  COvComplex a(1, 2), b(3, -1);
  EXPECT_EQ(COvComplex(5, 5), a * b);
  EXPECT_EQ(COvComplex(4, 1), a + b);
  COvComplex q = a / b;
  EXPECT_NEAR(a.re, (q * b).re, 1e-6f);
  EXPECT_NEAR(a.im, (q * b).im, 1e-6f);
  EXPECT_EQ(COvComplex(), a / COvComplex());
  // Multiplying adds the angles and multiplies the magnitudes.
  COvComplex p = COvComplex::FromPolar(2, 0.5f) * COvComplex::FromPolar(1.5f, 0.75f);
  EXPECT_NEAR(3.0f, p.magnitude(), 1e-6f);
  EXPECT_NEAR(1.25f, p.argument(), 1e-6f);
  COvComplex e = COvComplex(0, kOvPi).exp();
  EXPECT_NEAR(-1.0f, e.re, 1e-6f);
  EXPECT_NEAR(0.0f, e.im, 1e-6f);
  EXPECT_FLOAT_EQ(5.0f, (a * a.getConjugate()).re);
}
