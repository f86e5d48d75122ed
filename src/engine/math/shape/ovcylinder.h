// COvCylinder: the solid of the points within radius of the axis segment start→end, cut
// flat at both ends. Containment includes the boundary.
#pragma once

#include <cmath>

#include "engine/math/ovmathutil.h"
#include "engine/math/shape/ovaabb.h"

class COvCylinder {
 public:
  COvVector3 start, end;
  float radius = 0.0f;

  COvCylinder() = default;
  COvCylinder(const COvVector3& a, const COvVector3& b, float r) : start(a), end(b), radius(r) {}

  bool operator==(const COvCylinder& o) const { return start == o.start && end == o.end && radius == o.radius; }
  bool operator!=(const COvCylinder& o) const { return !(*this == o); }

  float getHeight() const { return (end - start).length(); }
  float getVolume() const { return kOvPi * radius * radius * getHeight(); }
  bool contains(const COvVector3& p) const {
    COvVector3 axis = end - start, d = p - start;
    float aa = axis.lengthSquared(), t = d.dot(axis);
    if (aa == 0.0f) return false;
    if (t < 0.0f || t > aa) return false;
    // Squared distance from the axis: |d|² − (d·axis)² / |axis|².
    return d.lengthSquared() - t * t / aa <= radius * radius;
  }
  // The box of the two end discs.
  COvAABB3 getAABB() const {
    COvVector3 axis = end - start;
    float aa = axis.lengthSquared();
    COvVector3 e;
    for (int i = 0; i < 3; ++i) {
      float k = aa > 0.0f ? 1.0f - axis[i] * axis[i] / aa : 1.0f;
      e[i] = radius * std::sqrt(k > 0.0f ? k : 0.0f);
    }
    COvAABB3 b(start - e, start + e);
    b.extend(COvAABB3(end - e, end + e));
    return b;
  }
};
