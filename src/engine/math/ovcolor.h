// Colour value types COvRGB<T>, COvBGR<T>, COvRGBA<T> and COvARGB<T> for T = unsigned char,
// unsigned short and float. Each stores its channels in the order of its name and nothing
// else, so a colour can be read and written as raw memory.
//
// Arithmetic is per channel. Float channels follow plain float arithmetic (no clamping).
// Integer channels are computed wide and saturated to [0, max]; dividing an integer channel
// by 0 gives max (0 / 0 gives 0) instead of trapping.
#pragma once

#include <cstdint>
#include <type_traits>

template <typename T>
struct TOvColorTraits;
template <>
struct TOvColorTraits<unsigned char> {
  static constexpr unsigned char kMax = 255;
  using Wide = uint32_t;
};
template <>
struct TOvColorTraits<unsigned short> {
  static constexpr unsigned short kMax = 65535;
  using Wide = uint64_t;
};
template <>
struct TOvColorTraits<float> {
  static constexpr float kMax = 1.0f;
  using Wide = float;
};

template <typename T>
class COvRGB;

// Operations shared by the four channel orders. Derived has members r, g, b (and a) and an
// operator[] over its e_max channels in storage order.
template <typename Derived, typename T, int N>
class TOvColorOps {
 public:
  using Wide = typename TOvColorTraits<T>::Wide;

  Derived operator+(const Derived& o) const { return Zip(o, '+'); }
  Derived operator-(const Derived& o) const { return Zip(o, '-'); }
  Derived operator*(const Derived& o) const { return Zip(o, '*'); }
  Derived operator/(const Derived& o) const { return Zip(o, '/'); }
  Derived operator+(T s) const { return Zip(Splat(s), '+'); }
  Derived operator-(T s) const { return Zip(Splat(s), '-'); }
  Derived operator*(T s) const { return Zip(Splat(s), '*'); }
  Derived operator/(T s) const { return Zip(Splat(s), '/'); }
  Derived& operator+=(const Derived& o) { return Self() = *this + o; }
  Derived& operator-=(const Derived& o) { return Self() = *this - o; }
  Derived& operator*=(const Derived& o) { return Self() = *this * o; }
  Derived& operator/=(const Derived& o) { return Self() = *this / o; }
  Derived& operator+=(T s) { return Self() = *this + s; }
  Derived& operator-=(T s) { return Self() = *this - s; }
  Derived& operator*=(T s) { return Self() = *this * s; }
  Derived& operator/=(T s) { return Self() = *this / s; }

  bool operator==(const Derived& o) const {
    for (int i = 0; i < N; ++i)
      if (!(Self()[i] == o[i])) return false;
    return true;
  }
  bool operator!=(const Derived& o) const { return !(*this == o); }

  void ClampR(T min, T max) { Self().r = Clamp(Self().r, min, max); }
  void ClampG(T min, T max) { Self().g = Clamp(Self().g, min, max); }
  void ClampB(T min, T max) { Self().b = Clamp(Self().b, min, max); }
  void ClampRGB(T min, T max) { ClampR(min, max), ClampG(min, max), ClampB(min, max); }

  void Set(T red, T green, T blue) { Self().r = red, Self().g = green, Self().b = blue; }
  COvRGB<T> GetRGB() const { return COvRGB<T>(Self().r, Self().g, Self().b); }

  // Alpha channel members, for the four-channel types only.
  void Set(T red, T green, T blue, T alpha) { Set(red, green, blue), Self().a = alpha; }
  void ClampA(T min, T max) { Self().a = Clamp(Self().a, min, max); }
  void ClampRGBA(T min, T max) { ClampRGB(min, max), ClampA(min, max); }

  // Sum of the products of every channel (alpha included), in a type wide enough for it.
  Wide DotProduct(const Derived& o) const {
    Wide sum = 0;
    for (int i = 0; i < N; ++i) sum += static_cast<Wide>(Self()[i]) * static_cast<Wide>(o[i]);
    return sum;
  }

  // 0.299 R + 0.587 G + 0.114 B; integer channels round to the nearest value.
  T GetLuminance() const {
    float lum = 0.299f * Self().r + 0.587f * Self().g + 0.114f * Self().b;
    if constexpr (std::is_floating_point_v<T>) {
      return lum;
    } else {
      lum += 0.5f;
      return lum >= TOvColorTraits<T>::kMax ? TOvColorTraits<T>::kMax : static_cast<T>(lum);
    }
  }
  void SetGrayScale() { Self().r = Self().g = Self().b = GetLuminance(); }

 protected:
  Derived& Self() { return static_cast<Derived&>(*this); }
  const Derived& Self() const { return static_cast<const Derived&>(*this); }

  static T Clamp(T v, T min, T max) { return v < min ? min : (v > max ? max : v); }

  static T Apply(T a, T b, char op) {
    if constexpr (std::is_floating_point_v<T>) {
      switch (op) {
        case '+':
          return a + b;
        case '-':
          return a - b;
        case '*':
          return a * b;
        default:
          return a / b;
      }
    } else {
      constexpr int64_t kMax = TOvColorTraits<T>::kMax;
      int64_t x = a, y = b, v;
      switch (op) {
        case '+':
          v = x + y;
          break;
        case '-':
          v = x - y;
          break;
        case '*':
          v = x * y;
          break;
        default:
          v = y != 0 ? x / y : (x != 0 ? kMax : 0);
          break;
      }
      return static_cast<T>(v < 0 ? 0 : (v > kMax ? kMax : v));
    }
  }
  Derived Zip(const Derived& o, char op) const {
    Derived res;
    for (int i = 0; i < N; ++i) res[i] = Apply(Self()[i], o[i], op);
    return res;
  }
  static Derived Splat(T s) {
    Derived res;
    for (int i = 0; i < N; ++i) res[i] = s;
    return res;
  }
};

template <typename T>
class COvRGB : public TOvColorOps<COvRGB<T>, T, 3> {
 public:
  enum { e_max = 3 };
  T r = 0, g = 0, b = 0;

  COvRGB() = default;
  COvRGB(T red, T green, T blue) : r(red), g(green), b(blue) {}

  T& operator[](int i) { return i == 0 ? r : i == 1 ? g : b; }
  T operator[](int i) const { return i == 0 ? r : i == 1 ? g : b; }
};

template <typename T>
class COvBGR : public TOvColorOps<COvBGR<T>, T, 3> {
 public:
  enum { e_max = 3 };
  T b = 0, g = 0, r = 0;

  COvBGR() = default;
  // Arguments in red, green, blue order, whatever the storage order.
  COvBGR(T red, T green, T blue) : b(blue), g(green), r(red) {}

  T& operator[](int i) { return i == 0 ? b : i == 1 ? g : r; }
  T operator[](int i) const { return i == 0 ? b : i == 1 ? g : r; }
};

template <typename T>
class COvRGBA : public TOvColorOps<COvRGBA<T>, T, 4> {
 public:
  enum { e_max = 4 };
  T r = 0, g = 0, b = 0, a = 0;

  COvRGBA() = default;
  COvRGBA(T red, T green, T blue, T alpha) : r(red), g(green), b(blue), a(alpha) {}
  COvRGBA(const COvRGB<T>& rgb, T alpha) : r(rgb.r), g(rgb.g), b(rgb.b), a(alpha) {}

  T& operator[](int i) { return i == 0 ? r : i == 1 ? g : i == 2 ? b : a; }
  T operator[](int i) const { return i == 0 ? r : i == 1 ? g : i == 2 ? b : a; }
};

template <typename T>
class COvARGB : public TOvColorOps<COvARGB<T>, T, 4> {
 public:
  enum { e_max = 4 };
  T a = 0, r = 0, g = 0, b = 0;

  COvARGB() = default;
  // Arguments in red, green, blue, alpha order, whatever the storage order.
  COvARGB(T red, T green, T blue, T alpha) : a(alpha), r(red), g(green), b(blue) {}

  T& operator[](int i) { return i == 0 ? a : i == 1 ? r : i == 2 ? g : b; }
  T operator[](int i) const { return i == 0 ? a : i == 1 ? r : i == 2 ? g : b; }
};

// A colour converted to another channel type or order: each channel rescaled from the
// source's range to the target's (0..255, 0..65535 or 0..1 for floats, rounded to nearest and
// clamped for integer targets). A target alpha without a source alpha is opaque.
template <typename To, typename From>
To OvConvertColor(const From& from) {
  using TFrom = std::remove_cv_t<std::remove_reference_t<decltype(from.r)>>;
  using TTo = std::remove_cv_t<std::remove_reference_t<decltype(To().r)>>;
  auto channel = [](TFrom v) {
    float unit = static_cast<float>(v) / static_cast<float>(TOvColorTraits<TFrom>::kMax);
    if constexpr (std::is_floating_point_v<TTo>) {
      return static_cast<TTo>(unit);
    } else {
      float scaled = unit * TOvColorTraits<TTo>::kMax + 0.5f;
      return static_cast<TTo>(
          scaled <= 0.0f ? 0.0f : (scaled >= TOvColorTraits<TTo>::kMax ? TOvColorTraits<TTo>::kMax : scaled));
    }
  };
  To to;
  to.r = channel(from.r), to.g = channel(from.g), to.b = channel(from.b);
  if constexpr (To::e_max == 4) {
    if constexpr (From::e_max == 4)
      to.a = channel(from.a);
    else
      to.a = TOvColorTraits<TTo>::kMax;
  }
  return to;
}

static_assert(sizeof(COvRGB<unsigned char>) == 3 && sizeof(COvARGB<unsigned short>) == 8 &&
                  sizeof(COvRGBA<float>) == 16 && sizeof(COvBGR<float>) == 12,
              "colours are stored as their bare channels");
