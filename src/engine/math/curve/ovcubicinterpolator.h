// Cubic interpolators COvCubicInterpolator (floats), COvCubicInterpolator2 (COvVector2) and
// COvCubicInterpolator3 (COvVector3): one cubic polynomial
// value(t) = ((a t + b) t + c) t + d over t in [0, 1], set up from end points and tangents
// (Hermite), from four samples (Catmull-Rom, through the middle two) or from Bézier control
// points. Values outside [0, 1] extrapolate the same polynomial.
#pragma once

#include "engine/math/ovvector.h"

template <typename T>
class TOvCubicInterpolator {
 public:
  T a{}, b{}, c{}, d{};

  // The constant d = 0 by default.
  TOvCubicInterpolator() = default;

  // From p0 (t = 0) to p1 (t = 1) with derivatives m0 and m1 there.
  void setHermite(const T& p0, const T& p1, const T& m0, const T& m1) {
    a = p0 * 2.0f - p1 * 2.0f + m0 + m1;
    b = p1 * 3.0f - p0 * 3.0f - m0 * 2.0f - m1;
    c = m0;
    d = p0;
  }
  // Through p1 (t = 0) and p2 (t = 1), with tangents from the neighbours p0 and p3.
  void setCatmullRom(const T& p0, const T& p1, const T& p2, const T& p3) {
    setHermite(p1, p2, (p2 - p0) * 0.5f, (p3 - p1) * 0.5f);
  }
  // Cardinal spline: Catmull-Rom with the tangents scaled by (1 − tension); tension 1 gives
  // zero tangents, 0 is Catmull-Rom.
  void setCardinal(const T& p0, const T& p1, const T& p2, const T& p3, float tension) {
    float k = 0.5f * (1.0f - tension);
    setHermite(p1, p2, (p2 - p0) * k, (p3 - p1) * k);
  }
  void setBezier(const T& p0, const T& p1, const T& p2, const T& p3) {
    setHermite(p0, p3, (p1 - p0) * 3.0f, (p3 - p2) * 3.0f);
  }
  // A straight line from p0 to p1.
  void setLinear(const T& p0, const T& p1) {
    a = b = p0 * 0.0f;
    c = p1 - p0;
    d = p0;
  }

  T getValue(float t) const { return ((a * t + b) * t + c) * t + d; }
  T getDerivative(float t) const { return (a * (3.0f * t) + b * 2.0f) * t + c; }
  T getSecondDerivative(float t) const { return a * (6.0f * t) + b * 2.0f; }
};

class COvCubicInterpolator : public TOvCubicInterpolator<float> {};
class COvCubicInterpolator2 : public TOvCubicInterpolator<COvVector2> {};
class COvCubicInterpolator3 : public TOvCubicInterpolator<COvVector3> {};
