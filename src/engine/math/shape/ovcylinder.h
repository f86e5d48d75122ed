// COvCylinder: the solid of the points within radius of the axis segment start→end, cut
// flat at both ends. Containment includes the boundary.
#pragma once

#include <cmath>

#include "engine/math/ovmathutil.h"
#include "engine/math/shape/ovaabb.h"
#include "engine/math/shape/ovline3.h"

class COvCylinder {
 public:
  COvVector3 start, end;
  float radius = 0.0f;

  COvCylinder() = default;
  COvCylinder(const COvVector3& a, const COvVector3& b, float r) : start(a), end(b), radius(r) {}

  bool operator==(const COvCylinder& o) const {
    return start == o.start && end == o.end && radius == o.radius;
  }
  bool operator!=(const COvCylinder& o) const { return !(*this == o); }

  // True when the ray meets the solid cylinder (side or flat ends), with the parameter of the
  // first point met in t (0 when the origin is inside).
  bool intersects(const COvRay3& ray, float* t = nullptr) const;
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
  // The nearest point of the solid to p: the axial and the radial parts clamped apart.
  COvVector3 getClosestPoint(const COvVector3& p) const {
    COvVector3 axis = end - start, d = p - start;
    float aa = axis.lengthSquared();
    if (aa == 0.0f) return start;
    float along = d.dot(axis) / aa;
    COvVector3 radial = d - axis * along;
    float len = radial.length();
    if (len > radius) radial *= radius / len;
    return start + axis * OvClamp(along, 0.0f, 1.0f) + radial;
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
