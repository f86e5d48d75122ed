// Helpers of the mathematics tests: tolerance comparisons of vectors and a seeded source of
// random inputs.
#pragma once

#include <gtest/gtest.h>

#include "engine/math/ovrandom.h"

#define EXPECT_VEC_NEAR(expected, actual, tol) EXPECT_TRUE((expected).equals((actual), (tol))) << #actual

// Uniform in the cube (square) [-e, e]³.
inline COvVector3 RandomPoint(COvRandom& r, float e) {
  return COvVector3(r.Range(-e, e), r.Range(-e, e), r.Range(-e, e));
}
inline COvVector2 RandomPoint2(COvRandom& r, float e) { return COvVector2(r.Range(-e, e), r.Range(-e, e)); }
