// Helpers of the mathematics tests: tolerance comparisons of vectors and a seeded source of
// random inputs.
#pragma once

#include <gtest/gtest.h>

#include "engine/math/ovrandom.h"

#define EXPECT_VEC_NEAR(expected, actual, tol) EXPECT_TRUE((expected).equals((actual), (tol))) \
  << "expected (" << (expected)[0] << ", " << (expected)[1] << ") got (" << (actual)[0] << ", " << (actual)[1] << ")"

inline COvVector3 RandomPoint(COvRandom& rng, float extent) {
  return COvVector3(rng.Range(-extent, extent), rng.Range(-extent, extent), rng.Range(-extent, extent));
}
inline COvVector2 RandomPoint2(COvRandom& rng, float extent) {
  return COvVector2(rng.Range(-extent, extent), rng.Range(-extent, extent));
}
