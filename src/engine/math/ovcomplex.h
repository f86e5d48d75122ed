// COvComplex: a complex number of two floats (real part, then imaginary part), used for 2-D
// rotations and signal work.
#pragma once

#include <cmath>

class COvComplex {
 public:
  float re = 0.0f, im = 0.0f;

  COvComplex() = default;
  COvComplex(float real, float imaginary) : re(real), im(imaginary) {}
  // The unit complex number at angle radians: cos + i sin.
  static COvComplex FromPolar(float magnitude, float angle) {
    return COvComplex(magnitude * std::cos(angle), magnitude * std::sin(angle));
  }

  COvComplex operator+(const COvComplex& o) const { return COvComplex(re + o.re, im + o.im); }
  COvComplex operator-(const COvComplex& o) const { return COvComplex(re - o.re, im - o.im); }
  COvComplex operator-() const { return COvComplex(-re, -im); }
  COvComplex operator*(const COvComplex& o) const {
    return COvComplex(re * o.re - im * o.im, re * o.im + im * o.re);
  }
  COvComplex operator*(float s) const { return COvComplex(re * s, im * s); }
  // Division by zero gives zero rather than infinities.
  COvComplex operator/(const COvComplex& o) const {
    float n = o.normSquared();
    if (n == 0.0f) return COvComplex();
    return COvComplex((re * o.re + im * o.im) / n, (im * o.re - re * o.im) / n);
  }
  COvComplex& operator+=(const COvComplex& o) { return *this = *this + o; }
  COvComplex& operator-=(const COvComplex& o) { return *this = *this - o; }
  COvComplex& operator*=(const COvComplex& o) { return *this = *this * o; }
  COvComplex& operator/=(const COvComplex& o) { return *this = *this / o; }
  bool operator==(const COvComplex& o) const { return re == o.re && im == o.im; }
  bool operator!=(const COvComplex& o) const { return !(*this == o); }

  COvComplex getConjugate() const { return COvComplex(re, -im); }
  float normSquared() const { return re * re + im * im; }
  float magnitude() const { return std::sqrt(normSquared()); }
  // Angle in (-π, π]; 0 for zero.
  float argument() const { return std::atan2(im, re); }
  // e^this.
  COvComplex exp() const { return FromPolar(std::exp(re), im); }
  // The principal logarithm, square root and power (angles from argument()); log of zero
  // gives a real part of minus infinity.
  COvComplex log() const { return COvComplex(std::log(magnitude()), argument()); }
  COvComplex sqrt() const { return FromPolar(std::sqrt(magnitude()), 0.5f * argument()); }
  COvComplex pow(float n) const {
    return normSquared() == 0.0f ? COvComplex() : FromPolar(std::pow(magnitude(), n), n * argument());
  }
};

static_assert(sizeof(COvComplex) == 8, "a complex number is its two parts");
