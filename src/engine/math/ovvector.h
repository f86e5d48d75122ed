// Vector value types: COvVector2, COvVector3, COvVector4 (floats) and COvVector2i (32-bit ints).
// Plain standard-layout values whose memory is exactly their components in order, so the
// reflection layer can read and write them at a member offset.
#pragma once

#include <cmath>
#include <cstdint>

// Component-wise operations shared by every vector type. Derived provides operator[] over its
// N components and a default constructor.
template <typename Derived, typename Scalar, int N>
class TOvVectorOps {
 public:
  Derived operator+(const Derived& o) const {
    return Zip(o, [](Scalar a, Scalar b) { return a + b; });
  }
  Derived operator-(const Derived& o) const {
    return Zip(o, [](Scalar a, Scalar b) { return a - b; });
  }
  Derived operator*(Scalar s) const {
    return Map([s](Scalar a) { return a * s; });
  }
  Derived operator/(Scalar s) const {
    return Map([s](Scalar a) { return a / s; });
  }
  Derived operator-() const {
    return Map([](Scalar a) { return -a; });
  }
  Derived& operator+=(const Derived& o) { return Self() = Self() + o; }
  Derived& operator-=(const Derived& o) { return Self() = Self() - o; }
  Derived& operator*=(Scalar s) { return Self() = Self() * s; }
  Derived& operator/=(Scalar s) { return Self() = Self() / s; }

  // Exact component comparison; see equals() for a tolerance.
  bool operator==(const Derived& o) const {
    for (int i = 0; i < N; ++i)
      if (!(Self()[i] == o[i])) return false;
    return true;
  }
  bool operator!=(const Derived& o) const { return !(*this == o); }

  // Component-wise product.
  Derived multiply(const Derived& o) const {
    return Zip(o, [](Scalar a, Scalar b) { return a * b; });
  }
  Scalar dot(const Derived& o) const {
    Scalar sum = 0;
    for (int i = 0; i < N; ++i) sum += Self()[i] * o[i];
    return sum;
  }
  Scalar lengthSquared() const { return dot(Self()); }
  // Component-wise smaller and larger values, and each component limited to [lo, hi].
  Derived getMin(const Derived& o) const {
    return Zip(o, [](Scalar a, Scalar b) { return b < a ? b : a; });
  }
  Derived getMax(const Derived& o) const {
    return Zip(o, [](Scalar a, Scalar b) { return b > a ? b : a; });
  }
  Derived getClamped(const Derived& lo, const Derived& hi) const { return getMax(lo).getMin(hi); }

 protected:
  Derived& Self() { return static_cast<Derived&>(*this); }
  const Derived& Self() const { return static_cast<const Derived&>(*this); }

  template <typename F>
  Derived Map(F f) const {
    Derived r;
    for (int i = 0; i < N; ++i) r[i] = f(Self()[i]);
    return r;
  }
  template <typename F>
  Derived Zip(const Derived& o, F f) const {
    Derived r;
    for (int i = 0; i < N; ++i) r[i] = f(Self()[i], o[i]);
    return r;
  }
};

// Float-only operations: length, normalization and comparison with a tolerance.
template <typename Derived, int N>
class TOvFloatVectorOps : public TOvVectorOps<Derived, float, N> {
  using Base = TOvVectorOps<Derived, float, N>;

 public:
  float length() const { return std::sqrt(Base::lengthSquared()); }
  // Scales to length 1 and returns the previous length; a zero vector stays zero (returns 0).
  float normalize() {
    float len = length();
    if (len > 0.0f) Base::Self() /= len;
    return len;
  }
  Derived getNormalized() const {
    Derived r = Base::Self();
    r.normalize();
    return r;
  }
  bool equals(const Derived& o, float epsilon = 1e-5f) const {
    for (int i = 0; i < N; ++i)
      if (std::fabs(Base::Self()[i] - o[i]) > epsilon) return false;
    return true;
  }
  float distance(const Derived& o) const { return (Base::Self() - o).length(); }
  // This vector mirrored about the plane of the unit normal n (a bounce off a surface).
  Derived reflect(const Derived& n) const { return Base::Self() - n * (2.0f * Base::dot(n)); }
  // The part of this vector along onto; zero for a zero onto.
  Derived project(const Derived& onto) const {
    float oo = onto.dot(onto);
    return oo == 0.0f ? onto : onto * (Base::dot(onto) / oo);
  }
};

class COvVector2 : public TOvFloatVectorOps<COvVector2, 2> {
 public:
  float x = 0.0f, y = 0.0f;

  COvVector2() = default;
  COvVector2(float fx, float fy) : x(fx), y(fy) {}

  float& operator[](int i) { return i == 0 ? x : y; }
  float operator[](int i) const { return i == 0 ? x : y; }
  void set(float fx, float fy) { x = fx, y = fy; }
  // z component of the 3-D cross product of (x, y, 0) and (o.x, o.y, 0).
  float cross(const COvVector2& o) const { return x * o.y - y * o.x; }
};

class COvVector3 : public TOvFloatVectorOps<COvVector3, 3> {
 public:
  float x = 0.0f, y = 0.0f, z = 0.0f;

  COvVector3() = default;
  COvVector3(float fx, float fy, float fz) : x(fx), y(fy), z(fz) {}

  float& operator[](int i) { return i == 0 ? x : i == 1 ? y : z; }
  float operator[](int i) const { return i == 0 ? x : i == 1 ? y : z; }
  void set(float fx, float fy, float fz) { x = fx, y = fy, z = fz; }
  COvVector3 cross(const COvVector3& o) const {
    return COvVector3(y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x);
  }
};

class COvVector4 : public TOvFloatVectorOps<COvVector4, 4> {
 public:
  float x = 0.0f, y = 0.0f, z = 0.0f, w = 0.0f;

  COvVector4() = default;
  COvVector4(float fx, float fy, float fz, float fw) : x(fx), y(fy), z(fz), w(fw) {}
  COvVector4(const COvVector3& v, float fw) : x(v.x), y(v.y), z(v.z), w(fw) {}

  float& operator[](int i) { return i == 0 ? x : i == 1 ? y : i == 2 ? z : w; }
  float operator[](int i) const { return i == 0 ? x : i == 1 ? y : i == 2 ? z : w; }
  void set(float fx, float fy, float fz, float fw) { x = fx, y = fy, z = fz, w = fw; }
  COvVector3 getXYZ() const { return COvVector3(x, y, z); }
};

class COvVector2i : public TOvVectorOps<COvVector2i, int32_t, 2> {
 public:
  int32_t x = 0, y = 0;

  COvVector2i() = default;
  COvVector2i(int32_t ix, int32_t iy) : x(ix), y(iy) {}

  int32_t& operator[](int i) { return i == 0 ? x : y; }
  int32_t operator[](int i) const { return i == 0 ? x : y; }
  void set(int32_t ix, int32_t iy) { x = ix, y = iy; }
};

inline COvVector2 operator*(float s, const COvVector2& v) { return v * s; }
inline COvVector3 operator*(float s, const COvVector3& v) { return v * s; }
inline COvVector4 operator*(float s, const COvVector4& v) { return v * s; }

static_assert(sizeof(COvVector2) == 8 && sizeof(COvVector3) == 12 && sizeof(COvVector4) == 16 &&
                  sizeof(COvVector2i) == 8,
              "vectors are stored as their bare components");
