// The straight shapes shared by 2-D and 3-D: lines (a point and a direction, unbounded both
// ways), rays (an origin and a direction, t >= 0) and segments (start to end, t in [0, 1]).
// Points along them are origin + t × direction; a direction need not be unit length, and
// every parameter t is measured in its units. A zero direction behaves as a single point.
#pragma once

#include <cfloat>
#include <cmath>

#include "engine/math/ovmathutil.h"

// The parameter in [lo, hi] of the point of origin + t × dir nearest to p.
template <typename V>
float OvClosestParameter(const V& origin, const V& dir, const V& p, float lo, float hi) {
  float dd = dir.dot(dir);
  if (dd == 0.0f) return lo > 0.0f ? lo : (hi < 0.0f ? hi : 0.0f);
  return OvClamp((p - origin).dot(dir) / dd, lo, hi);
}

// The nearest points of segments p1→q1 (at s) and p2→q2 (at t), both parameters in [0, 1];
// returns their squared distance. Works in any dimension and for degenerate segments.
template <typename V>
float OvClosestSegmentSegment(const V& p1, const V& q1, const V& p2, const V& q2, float& s, float& t) {
  V d1 = q1 - p1, d2 = q2 - p2, r = p1 - p2;
  float a = d1.dot(d1), e = d2.dot(d2), f = d2.dot(r);
  if (a <= kOvEpsilon * kOvEpsilon && e <= kOvEpsilon * kOvEpsilon) {
    s = t = 0.0f;
  } else if (a <= kOvEpsilon * kOvEpsilon) {
    s = 0.0f, t = OvClamp(f / e, 0.0f, 1.0f);
  } else {
    float c = d1.dot(r);
    if (e <= kOvEpsilon * kOvEpsilon) {
      t = 0.0f, s = OvClamp(-c / a, 0.0f, 1.0f);
    } else {
      float b = d1.dot(d2), denom = a * e - b * b;
      // Parallel segments: any s works, start from 0.
      s = denom > 0.0f ? OvClamp((b * f - c * e) / denom, 0.0f, 1.0f) : 0.0f;
      t = (b * s + f) / e;
      if (t < 0.0f) {
        t = 0.0f, s = OvClamp(-c / a, 0.0f, 1.0f);
      } else if (t > 1.0f) {
        t = 1.0f, s = OvClamp((b - c) / a, 0.0f, 1.0f);
      }
    }
  }
  return ((p1 + d1 * s) - (p2 + d2 * t)).lengthSquared();
}

// Slab test of origin + t × dir against the box [lo, hi] for t in [tMin, tMax]: the entry
// parameter (tMin when the origin is inside) in tHit.
template <typename V, int N>
bool OvSlabTest(const V& origin, const V& dir, const V& lo, const V& hi, float tMin, float tMax,
                float& tHit) {
  for (int i = 0; i < N; ++i) {
    if (dir[i] == 0.0f) {
      if (origin[i] < lo[i] || origin[i] > hi[i]) return false;
      continue;
    }
    float inv = 1.0f / dir[i];
    float t0 = (lo[i] - origin[i]) * inv, t1 = (hi[i] - origin[i]) * inv;
    if (t0 > t1) {
      float swap = t0;
      t0 = t1, t1 = swap;
    }
    if (t0 > tMin) tMin = t0;
    if (t1 < tMax) tMax = t1;
    if (tMin > tMax) return false;
  }
  tHit = tMin;
  return true;
}

// Ray o + t × d (t >= 0) against a ball in any dimension: the smaller root of
// |o + t d - c|² = r², 0 when the origin is inside.
template <typename V>
bool OvRayBall(const V& o, const V& d, const V& center, float radius, float* t) {
  V m = o - center;
  float a = d.dot(d), b = m.dot(d), c = m.dot(m) - radius * radius;
  if (c <= 0.0f) {
    if (t) *t = 0.0f;
    return true;
  }
  if (b > 0.0f || a == 0.0f) return false;
  float disc = b * b - a * c;
  if (disc < 0.0f) return false;
  if (t) *t = (-b - std::sqrt(disc)) / a;
  return true;
}

// Point-and-direction queries shared by lines (kLoSign < 0: unbounded behind the origin) and
// rays (kLoSign >= 0: t >= 0).
template <typename Derived, typename V, int kLoSign>
class TOvDirected {
 public:
  V origin, direction;

  TOvDirected() = default;
  TOvDirected(const V& o, const V& d) : origin(o), direction(d) {}

  bool operator==(const Derived& o) const { return origin == o.origin && direction == o.direction; }
  bool operator!=(const Derived& o) const { return !(*this == o); }

  V getPoint(float t) const { return origin + direction * t; }
  float getClosestParameter(const V& p) const {
    return OvClosestParameter(origin, direction, p, kLoSign < 0 ? -FLT_MAX : 0.0f, FLT_MAX);
  }
  V getClosestPoint(const V& p) const { return getPoint(getClosestParameter(p)); }
  float getDistanceSquared(const V& p) const { return (getClosestPoint(p) - p).lengthSquared(); }
  float getDistance(const V& p) const { return std::sqrt(getDistanceSquared(p)); }
};

template <typename Derived, typename V>
class TOvSegment {
 public:
  V start, end;

  TOvSegment() = default;
  TOvSegment(const V& a, const V& b) : start(a), end(b) {}

  bool operator==(const Derived& o) const { return start == o.start && end == o.end; }
  bool operator!=(const Derived& o) const { return !(*this == o); }

  V getDirection() const { return end - start; }
  float getLength() const { return (end - start).length(); }
  V getCenter() const { return (start + end) * 0.5f; }
  V getPoint(float t) const { return start + (end - start) * t; }
  float getClosestParameter(const V& p) const {
    return OvClosestParameter(start, end - start, p, 0.0f, 1.0f);
  }
  V getClosestPoint(const V& p) const { return getPoint(getClosestParameter(p)); }
  float getDistanceSquared(const V& p) const { return (getClosestPoint(p) - p).lengthSquared(); }
  float getDistance(const V& p) const { return std::sqrt(getDistanceSquared(p)); }
  float getDistanceSquared(const Derived& o) const {
    float s, t;
    return OvClosestSegmentSegment(start, end, o.start, o.end, s, t);
  }
};
