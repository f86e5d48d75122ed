// Scalar helpers shared by the mathematics types: constants, clamping, interpolation and the
// tolerance that the geometric queries use to treat a value as zero.
#pragma once

#include <cmath>

constexpr float kOvPi = 3.14159265358979323846f;
constexpr float kOvTwoPi = 2.0f * kOvPi;
constexpr float kOvHalfPi = 0.5f * kOvPi;
// Lengths and determinants below this are degenerate (parallel lines, empty directions).
constexpr float kOvEpsilon = 1e-6f;

template <typename T>
constexpr T OvClamp(T v, T lo, T hi) {
  return v < lo ? lo : (v > hi ? hi : v);
}

template <typename T>
constexpr T OvLerp(const T& a, const T& b, float t) {
  return a + (b - a) * t;
}

inline float OvDegToRad(float degrees) { return degrees * (kOvPi / 180.0f); }
inline float OvRadToDeg(float radians) { return radians * (180.0f / kOvPi); }
