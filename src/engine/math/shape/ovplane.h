// COvPlane: the points p with normal · p + d = 0. The signed distance normal · p + d is
// positive on the side the normal points to (the front); it is a true distance when the
// normal has unit length, which every constructor but the raw one ensures.
#pragma once

#include <cmath>

#include "engine/math/ovmathutil.h"
#include "engine/math/ovvector.h"

class COvPlane {
 public:
  COvVector3 normal{0.0f, 0.0f, 1.0f};
  float d = 0.0f;

  COvPlane() = default;
  COvPlane(const COvVector3& n, float distance) : normal(n), d(distance) {}
  // Through point with the normal n (normalized).
  COvPlane(const COvVector3& n, const COvVector3& point) : normal(n.getNormalized()), d(-normal.dot(point)) {}
  // Through a, b and c; the front is the side from which they run counter-clockwise. Collinear
  // points give a zero normal.
  COvPlane(const COvVector3& a, const COvVector3& b, const COvVector3& c)
      : COvPlane((b - a).cross(c - a), a) {}

  bool operator==(const COvPlane& o) const { return normal == o.normal && d == o.d; }
  bool operator!=(const COvPlane& o) const { return !(*this == o); }

  // Scales the normal to unit length (d along); false for a zero normal.
  bool normalize() {
    float len = normal.length();
    if (len <= kOvEpsilon) return false;
    normal /= len, d /= len;
    return true;
  }
  float getDistance(const COvVector3& p) const { return normal.dot(p) + d; }
  // The foot of the perpendicular from p.
  COvVector3 project(const COvVector3& p) const {
    float nn = normal.lengthSquared();
    return nn == 0.0f ? p : p - normal * (getDistance(p) / nn);
  }
  // p mirrored through the plane.
  COvVector3 reflect(const COvVector3& p) const { return p + (project(p) - p) * 2.0f; }
  // -1 behind, 0 within epsilon of the plane, +1 in front.
  int classify(const COvVector3& p, float epsilon = kOvEpsilon) const {
    float dist = getDistance(p);
    return dist > epsilon ? 1 : (dist < -epsilon ? -1 : 0);
  }
  COvPlane getFlipped() const { return COvPlane(-normal, -d); }
  // The point common to three planes; false (out unchanged) when two of them are parallel
  // or all three share a line.
  static bool Intersect(const COvPlane& p1, const COvPlane& p2, const COvPlane& p3, COvVector3& out) {
    COvVector3 c23 = p2.normal.cross(p3.normal), c31 = p3.normal.cross(p1.normal),
               c12 = p1.normal.cross(p2.normal);
    float det = p1.normal.dot(c23);
    if (std::fabs(det) <= kOvEpsilon) return false;
    out = (c23 * p1.d + c31 * p2.d + c12 * p3.d) * (-1.0f / det);
    return true;
  }
};
