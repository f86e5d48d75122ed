#include "engine/math/ovcomplex.h"

#include <gtest/gtest.h>

#include "engine/math/ovmathutil.h"

TEST(OvComplex, ArithmeticAndPolarForm) {
  COvComplex a(1, 2), b(3, -1), q = a / b;
  EXPECT_EQ(COvComplex(5, 5), a * b);
  EXPECT_NEAR(0.0f, ((q * b) - a).magnitude(), 1e-6f);
  EXPECT_EQ(COvComplex(), a / COvComplex());
  // Multiplying adds the angles and multiplies the magnitudes.
  COvComplex p = COvComplex::FromPolar(2, 0.5f) * COvComplex::FromPolar(1.5f, 0.75f);
  EXPECT_NEAR(3.0f, p.magnitude(), 1e-6f);
  EXPECT_NEAR(1.25f, p.argument(), 1e-6f);
  EXPECT_NEAR(0.0f, (COvComplex(0, kOvPi).exp() - COvComplex(-1, 0)).magnitude(), 1e-6f);
}
