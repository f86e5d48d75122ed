// Xorshift64* generator and the distributions built on it.
#include "engine/math/ovrandom.h"

#include <cmath>

#include "engine/math/ovmathutil.h"

void COvRandom::Seed(uint64_t seed) {
  // Spread the seed with splitmix64 so that small seeds give unrelated sequences; the state
  // of xorshift may not be 0.
  uint64_t z = seed + 0x9E3779B97F4A7C15ull;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  m_state = z ^ (z >> 31);
  if (m_state == 0) m_state = 1;
}

uint32_t COvRandom::NextUInt() {
  m_state ^= m_state >> 12;
  m_state ^= m_state << 25;
  m_state ^= m_state >> 27;
  return static_cast<uint32_t>((m_state * 0x2545F4914F6CDD1Dull) >> 32);
}

float COvRandom::NextFloat() { return static_cast<float>(NextUInt() >> 8) * (1.0f / 16777216.0f); }

int COvRandom::RangeInt(int lo, int hi) {
  if (hi <= lo) return lo;
  uint64_t span = static_cast<uint64_t>(static_cast<int64_t>(hi) - lo) + 1;
  return static_cast<int>(lo + static_cast<int64_t>((NextUInt() * span) >> 32));
}

COvVector2 COvRandom::UnitVector2() {
  float a = Range(0.0f, kOvTwoPi);
  return COvVector2(std::cos(a), std::sin(a));
}

COvVector3 COvRandom::UnitVector3() {
  // Uniform z and azimuth give a uniform point on the sphere (Archimedes).
  float z = Range(-1.0f, 1.0f), a = Range(0.0f, kOvTwoPi);
  float r = std::sqrt(1.0f - z * z);
  return COvVector3(r * std::cos(a), r * std::sin(a), z);
}

COvVector2 COvRandom::PointInDisc() {
  // The square root of a uniform radius spreads the points evenly over the area.
  return UnitVector2() * std::sqrt(NextFloat());
}

COvVector3 COvRandom::PointInBall() { return UnitVector3() * std::cbrt(NextFloat()); }

float COvRandom::Gaussian(float mean, float deviation) {
  // 1 − u is in (0, 1], so the logarithm stays finite.
  float u = 1.0f - NextFloat(), v = NextFloat();
  return mean + deviation * std::sqrt(-2.0f * std::log(u)) * std::cos(kOvTwoPi * v);
}

COvQuaternion COvRandom::UnitQuaternion() {
  // Shoemake's method: uniform over the rotations.
  float u1 = NextFloat(), u2 = Range(0.0f, kOvTwoPi), u3 = Range(0.0f, kOvTwoPi);
  float a = std::sqrt(1.0f - u1), b = std::sqrt(u1);
  return COvQuaternion(a * std::sin(u2), a * std::cos(u2), b * std::sin(u3), b * std::cos(u3));
}
