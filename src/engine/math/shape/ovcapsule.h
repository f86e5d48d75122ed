// Capsules COvCapsule2 and COvCapsule3: the points within radius of the segment start→end
// (a stadium in 2-D). A capsule with start equal to end is a ball.
#pragma once

#include "engine/math/shape/ovball.h"
#include "engine/math/shape/ovline2.h"
#include "engine/math/shape/ovline3.h"

template <typename Derived, typename V, typename Segment, typename Ball>
class TOvCapsule {
 public:
  V start, end;
  float radius = 0.0f;

  TOvCapsule() = default;
  TOvCapsule(const V& a, const V& b, float r) : start(a), end(b), radius(r) {}

  bool operator==(const Derived& o) const { return start == o.start && end == o.end && radius == o.radius; }
  bool operator!=(const Derived& o) const { return !(*this == o); }

  Segment getSegment() const { return Segment(start, end); }
  bool contains(const V& p) const { return getSegment().getDistanceSquared(p) <= radius * radius; }
  bool intersects(const Derived& o) const {
    float r = radius + o.radius;
    return getSegment().getDistanceSquared(o.getSegment()) <= r * r;
  }
  bool intersects(const Ball& b) const {
    float r = radius + b.radius;
    return getSegment().getDistanceSquared(b.center) <= r * r;
  }
  // The box of the two end balls.
  auto getAABB() const {
    auto box = Ball(start, radius).getAABB();
    box.extend(Ball(end, radius).getAABB());
    return box;
  }
  V getClosestPoint(const V& p) const {
    V axisPoint = getSegment().getClosestPoint(p);
    return Ball(axisPoint, radius).getClosestPoint(p);
  }
};

class COvCapsule2 : public TOvCapsule<COvCapsule2, COvVector2, COvSegment2, COvCircle> {
 public:
  using TOvCapsule::TOvCapsule;
  float getArea() const { return kOvPi * radius * radius + 2.0f * radius * (end - start).length(); }
  // As COvCapsule3::intersects.
  bool intersects(const COvRay2& ray, float* t = nullptr) const;
  using TOvCapsule::intersects;
};

class COvCapsule3 : public TOvCapsule<COvCapsule3, COvVector3, COvSegment3, COvSphere> {
 public:
  using TOvCapsule::TOvCapsule;
  float getVolume() const {
    return kOvPi * radius * radius * ((4.0f / 3.0f) * radius + (end - start).length());
  }
  // True when the ray meets the capsule, with the parameter of the first point met in t (0
  // when the origin is inside).
  bool intersects(const COvRay3& ray, float* t = nullptr) const;
  using TOvCapsule::intersects;
};
