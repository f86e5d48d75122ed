// COvRandom: a small, fast, seedable pseudo-random generator (xorshift with a 64-bit state)
// for gameplay and procedural values. The same seed gives the same sequence on every
// platform; it is not suitable for anything that needs unpredictability.
#pragma once

#include <cstdint>

#include "engine/math/ovquaternion.h"
#include "engine/math/ovvector.h"

class COvRandom {
 public:
  explicit COvRandom(uint64_t seed = 0x9E3779B97F4A7C15ull) { Seed(seed); }

  // Any seed is valid, 0 included.
  void Seed(uint64_t seed);
  uint32_t NextUInt();
  // Uniform in [0, 1).
  float NextFloat();
  // Uniform in [lo, hi).
  float Range(float lo, float hi) { return lo + (hi - lo) * NextFloat(); }
  // Uniform in [lo, hi], both ends included; lo when hi < lo.
  int RangeInt(int lo, int hi);
  // Uniformly distributed directions and rotations.
  COvVector2 UnitVector2();
  COvVector3 UnitVector3();
  COvQuaternion UnitQuaternion();
  // Uniform inside the unit disc and the unit ball.
  COvVector2 PointInDisc();
  COvVector3 PointInBall();
  // Normally distributed with the given mean and standard deviation (Box-Muller).
  float Gaussian(float mean = 0.0f, float deviation = 1.0f);

 private:
  uint64_t m_state = 1;
};
