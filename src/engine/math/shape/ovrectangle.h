// Rectangles COvRectangle2 (floats) and COvRectangle2i (32-bit integers): a corner x, y and
// a width and height, as screen and texture regions use them. A rectangle holds the points
// x <= px < x + width, y <= py < y + height, so adjacent rectangles share no point and one
// with a zero or negative size is empty.
#pragma once

#include <cstdint>
#include <type_traits>

#include "engine/math/ovvector.h"

template <typename Derived, typename T, typename V>
class TOvRectangle {
 public:
  T x = 0, y = 0, width = 0, height = 0;

  TOvRectangle() = default;
  TOvRectangle(T px, T py, T w, T h) : x(px), y(py), width(w), height(h) {}

  bool operator==(const Derived& o) const {
    return x == o.x && y == o.y && width == o.width && height == o.height;
  }
  bool operator!=(const Derived& o) const { return !(*this == o); }

  T getRight() const { return x + width; }
  T getBottom() const { return y + height; }
  bool isEmpty() const { return width <= 0 || height <= 0; }
  T getArea() const { return isEmpty() ? T(0) : width * height; }
  bool contains(T px, T py) const { return px >= x && px < R() && py >= y && py < B(); }
  bool contains(const V& p) const { return contains(p.x, p.y); }
  bool contains(const Derived& r) const {
    return !r.isEmpty() && r.x >= x && r.y >= y && r.R() <= R() && r.B() <= B();
  }
  bool intersects(const Derived& r) const {
    return !isEmpty() && !r.isEmpty() && r.x < R() && x < r.R() && r.y < B() && y < r.B();
  }
  // The common part; false (out unchanged) when there is none.
  bool getIntersection(const Derived& r, Derived& out) const {
    if (!intersects(r)) return false;
    T left = x > r.x ? x : r.x, top = y > r.y ? y : r.y;
    T right = getRight() < r.getRight() ? getRight() : r.getRight();
    T bottom = getBottom() < r.getBottom() ? getBottom() : r.getBottom();
    out = Derived(left, top, right - left, bottom - top);
    return true;
  }
  // The smallest rectangle holding both; an empty operand adds nothing.
  Derived getUnion(const Derived& r) const {
    if (r.isEmpty()) return static_cast<const Derived&>(*this);
    if (isEmpty()) return r;
    T left = x < r.x ? x : r.x, top = y < r.y ? y : r.y;
    T right = getRight() > r.getRight() ? getRight() : r.getRight();
    T bottom = getBottom() > r.getBottom() ? getBottom() : r.getBottom();
    return Derived(left, top, right - left, bottom - top);
  }

 protected:
  // Right and bottom edges in a type wide enough that integer rectangles never overflow.
  using Wide = std::conditional_t<std::is_integral_v<T>, int64_t, T>;
  Wide R() const { return static_cast<Wide>(x) + width; }
  Wide B() const { return static_cast<Wide>(y) + height; }
};

class COvRectangle2 : public TOvRectangle<COvRectangle2, float, COvVector2> {
 public:
  using TOvRectangle::TOvRectangle;
};

class COvRectangle2i : public TOvRectangle<COvRectangle2i, int32_t, COvVector2i> {
 public:
  using TOvRectangle::TOvRectangle;
};
