// Axis-aligned boxes COvAABB2 and COvAABB3: the corners min and max. A box whose min exceeds
// its max on some axis is empty (see Empty() and extend(), which grow from it); boxes touching
// on a face count as intersecting, and the containment tests include the boundary.
#pragma once

#include <cfloat>
#include <cmath>

#include "engine/math/ovmatrix.h"
#include "engine/math/ovvector.h"
#include "engine/math/shape/ovplane.h"

template <typename Derived, typename V, int N>
class TOvAABB {
 public:
  V min, max;

  TOvAABB() = default;
  TOvAABB(const V& lo, const V& hi) : min(lo), max(hi) {}

  // The empty box: extend() with a first point makes the box of that point.
  static Derived Empty() {
    Derived b;
    for (int i = 0; i < N; ++i) b.min[i] = FLT_MAX, b.max[i] = -FLT_MAX;
    return b;
  }
  bool isEmpty() const {
    for (int i = 0; i < N; ++i)
      if (min[i] > max[i]) return true;
    return false;
  }
  bool operator==(const Derived& o) const { return min == o.min && max == o.max; }
  bool operator!=(const Derived& o) const { return !(*this == o); }

  V getCenter() const { return (min + max) * 0.5f; }
  V getSize() const { return max - min; }
  V getHalfSize() const { return (max - min) * 0.5f; }

  bool contains(const V& p) const {
    for (int i = 0; i < N; ++i)
      if (p[i] < min[i] || p[i] > max[i]) return false;
    return true;
  }
  bool contains(const Derived& b) const { return !b.isEmpty() && contains(b.min) && contains(b.max); }
  bool intersects(const Derived& b) const {
    for (int i = 0; i < N; ++i)
      if (b.max[i] < min[i] || b.min[i] > max[i]) return false;
    return !isEmpty() && !b.isEmpty();
  }
  // The common part of both boxes; false (out unchanged) when they do not intersect.
  bool getIntersection(const Derived& b, Derived& out) const {
    if (!intersects(b)) return false;
    for (int i = 0; i < N; ++i) {
      out.min[i] = min[i] > b.min[i] ? min[i] : b.min[i];
      out.max[i] = max[i] < b.max[i] ? max[i] : b.max[i];
    }
    return true;
  }

  void extend(const V& p) {
    for (int i = 0; i < N; ++i) {
      if (p[i] < min[i]) min[i] = p[i];
      if (p[i] > max[i]) max[i] = p[i];
    }
  }
  void extend(const Derived& b) {
    if (!b.isEmpty()) extend(b.min), extend(b.max);
  }
  // Moves every face outwards by amount (inwards when negative).
  void inflate(float amount) {
    for (int i = 0; i < N; ++i) min[i] -= amount, max[i] += amount;
  }

  // The point of the box nearest to p (p itself when inside).
  V getClosestPoint(const V& p) const {
    V r = p;
    for (int i = 0; i < N; ++i) r[i] = p[i] < min[i] ? min[i] : (p[i] > max[i] ? max[i] : p[i]);
    return r;
  }
  float getDistanceSquared(const V& p) const { return (getClosestPoint(p) - p).lengthSquared(); }
  // Corner i: bit k of i chooses max (1) or min (0) on axis k.
  V getCorner(int i) const {
    V r = min;
    for (int k = 0; k < N; ++k)
      if (i & (1 << k)) r[k] = max[k];
    return r;
  }
};

class COvAABB2 : public TOvAABB<COvAABB2, COvVector2, 2> {
 public:
  using TOvAABB::TOvAABB;
  float getArea() const { return isEmpty() ? 0.0f : (max.x - min.x) * (max.y - min.y); }
};

class COvAABB3 : public TOvAABB<COvAABB3, COvVector3, 3> {
 public:
  using TOvAABB::TOvAABB;
  float getVolume() const { return isEmpty() ? 0.0f : (max.x - min.x) * (max.y - min.y) * (max.z - min.z); }
  float getSurfaceArea() const {
    if (isEmpty()) return 0.0f;
    COvVector3 s = getSize();
    return 2.0f * (s.x * s.y + s.y * s.z + s.z * s.x);
  }
  // -1 when the box is wholly behind the plane, +1 wholly in front, 0 when the plane cuts it
  // or touches it (an empty box reports -1).
  int classify(const COvPlane& plane) const {
    if (isEmpty()) return -1;
    float r = 0.0f, dist = plane.getDistance(getCenter());
    for (int i = 0; i < 3; ++i) r += 0.5f * (max[i] - min[i]) * std::fabs(plane.normal[i]);
    return dist > r ? 1 : (dist < -r ? -1 : 0);
  }
  // The box of the eight corners transformed by m as points (row vectors, translation
  // applied); an empty box stays empty.
  COvAABB3 getTransformed(const COvMatrix44& m) const;
};
