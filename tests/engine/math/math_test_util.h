// Helpers of the mathematics tests: tolerance comparisons of vectors and a seeded source of
// random inputs.
#pragma once

#include <gtest/gtest.h>

#include "engine/math/ovrandom.h"

// An element through a call: "(COvVector3())[0]" would read to clang as a cast of a lambda.
template <class Vector>
auto VecAt(const Vector& v, int i) {
  return v[i];
}

#define EXPECT_VEC_NEAR(expected, actual, tol)                                                                \
  EXPECT_TRUE((expected).equals((actual), (tol)))                                                             \
      << "expected (" << VecAt((expected), 0) << ", " << VecAt((expected), 1) << ") got (" << VecAt((actual), 0) \
      << ", " << VecAt((actual), 1) << ")"

// Uniform in the cube (square) [-e, e]³.
inline COvVector3 RandomPoint(COvRandom& r, float e) {
  return COvVector3(r.Range(-e, e), r.Range(-e, e), r.Range(-e, e));
}
inline COvVector2 RandomPoint2(COvRandom& r, float e) { return COvVector2(r.Range(-e, e), r.Range(-e, e)); }
