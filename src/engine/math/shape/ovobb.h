// Oriented boxes COvOBB2 and COvOBB3: a centre, N unit axes and the half extent along each.
// Containment includes the boundary; the box tests are exact separating-axis tests.
#pragma once

#include <cmath>

#include "engine/math/ovmathutil.h"
#include "engine/math/ovmatrix.h"
#include "engine/math/shape/ovaabb.h"
#include "engine/math/shape/ovball.h"

template <typename Derived, typename V, int N, typename Box>
class TOvOBB {
 public:
  V center;
  V axis[N];
  V halfSize;

  bool operator==(const Derived& o) const {
    for (int i = 0; i < N; ++i)
      if (axis[i] != o.axis[i]) return false;
    return center == o.center && halfSize == o.halfSize;
  }
  bool operator!=(const Derived& o) const { return !(*this == o); }

  // p in the box's frame: its coordinates along the axes, relative to the centre.
  V toLocal(const V& p) const {
    V d = p - center, r = d;
    for (int i = 0; i < N; ++i) r[i] = d.dot(axis[i]);
    return r;
  }
  V toWorld(const V& local) const {
    V r = center;
    for (int i = 0; i < N; ++i) r += axis[i] * local[i];
    return r;
  }
  bool contains(const V& p) const {
    V l = toLocal(p);
    for (int i = 0; i < N; ++i)
      if (std::fabs(l[i]) > halfSize[i]) return false;
    return true;
  }
  V getClosestPoint(const V& p) const {
    V l = toLocal(p);
    for (int i = 0; i < N; ++i) l[i] = OvClamp(l[i], -halfSize[i], halfSize[i]);
    return toWorld(l);
  }
  float getDistanceSquared(const V& p) const { return (getClosestPoint(p) - p).lengthSquared(); }
  // Corner i: bit k of i chooses +halfSize (1) or -halfSize (0) along axis k.
  V getCorner(int i) const {
    V l = halfSize;
    for (int k = 0; k < N; ++k)
      if (!(i & (1 << k))) l[k] = -l[k];
    return toWorld(l);
  }
  Box getAABB() const {
    Box b = Box::Empty();
    for (int i = 0; i < (1 << N); ++i) b.extend(getCorner(i));
    return b;
  }
  // Half the length of the box's shadow on direction l (scaled by |l|).
  float getProjectedRadius(const V& l) const {
    float r = 0.0f;
    for (int i = 0; i < N; ++i) r += halfSize[i] * std::fabs(axis[i].dot(l));
    return r;
  }

 protected:
  // True when no candidate axis separates the two boxes.
  bool overlapsOn(const Derived& o, const V* axes, int count) const {
    V t = o.center - center;
    for (int i = 0; i < count; ++i) {
      if (axes[i].lengthSquared() <= kOvEpsilon * kOvEpsilon) continue;
      if (std::fabs(t.dot(axes[i])) > getProjectedRadius(axes[i]) + o.getProjectedRadius(axes[i]))
        return false;
    }
    return true;
  }
};

class COvOBB2 : public TOvOBB<COvOBB2, COvVector2, 2, COvAABB2> {
 public:
  // The unit square of half size 0.5 at the origin.
  COvOBB2() : COvOBB2(COvVector2(), COvVector2(0.5f, 0.5f), 0.0f) {}
  // Axes at angle radians counter-clockwise from X and Y.
  COvOBB2(const COvVector2& c, const COvVector2& half, float angle);
  explicit COvOBB2(const COvAABB2& box) : COvOBB2(box.getCenter(), box.getHalfSize(), 0.0f) {}

  bool intersects(const COvOBB2& o) const {
    const COvVector2 axes[4] = {axis[0], axis[1], o.axis[0], o.axis[1]};
    return overlapsOn(o, axes, 4);
  }
  float getArea() const { return 4.0f * halfSize.x * halfSize.y; }
};

class COvOBB3 : public TOvOBB<COvOBB3, COvVector3, 3, COvAABB3> {
 public:
  COvOBB3() : COvOBB3(COvVector3(), COvVector3(0.5f, 0.5f, 0.5f), COvQuaternion()) {}
  // Axes X, Y and Z rotated by the unit quaternion q.
  COvOBB3(const COvVector3& c, const COvVector3& half, const COvQuaternion& q);
  // box transformed by m (rows 0 to 2 its axes, scale included; no shear).
  COvOBB3(const COvAABB3& box, const COvMatrix44& m);

  bool intersects(const COvOBB3& o) const;
  bool intersects(const COvAABB3& b) const { return intersects(COvOBB3(b, COvMatrix44())); }
  bool intersects(const COvSphere& s) const { return getDistanceSquared(s.center) <= s.radius * s.radius; }
  float getVolume() const { return 8.0f * halfSize.x * halfSize.y * halfSize.z; }
};
