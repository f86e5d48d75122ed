// Round shapes COvCircle (2-D) and COvSphere (3-D): a centre and a radius. Containment and
// intersection include the boundary.
#pragma once

#include <cmath>

#include "engine/math/ovmathutil.h"
#include "engine/math/shape/ovaabb.h"

template <typename Derived, typename V, typename Box>
class TOvBall {
 public:
  V center;
  float radius = 0.0f;

  TOvBall() = default;
  TOvBall(const V& c, float r) : center(c), radius(r) {}

  bool operator==(const Derived& o) const { return center == o.center && radius == o.radius; }
  bool operator!=(const Derived& o) const { return !(*this == o); }

  bool contains(const V& p) const { return (p - center).lengthSquared() <= radius * radius; }
  bool contains(const Derived& o) const {
    return o.radius <= radius && (o.center - center).length() + o.radius <= radius;
  }
  bool intersects(const Derived& o) const {
    float r = radius + o.radius;
    return (o.center - center).lengthSquared() <= r * r;
  }
  bool intersects(const Box& b) const { return b.getDistanceSquared(center) <= radius * radius; }

  // The nearest point of the ball to p (p itself when inside).
  V getClosestPoint(const V& p) const {
    V d = p - center;
    float len = d.length();
    return len <= radius ? p : center + d * (radius / len);
  }
  // Distance from p to the ball, 0 inside.
  float getDistance(const V& p) const {
    float d = (p - center).length() - radius;
    return d > 0.0f ? d : 0.0f;
  }
  Box getAABB() const {
    V r = center;
    for (int i = 0; i < static_cast<int>(sizeof(V) / sizeof(float)); ++i) r[i] = radius;
    return Box(center - r, center + r);
  }
  // A ball holding every point (Ritter's: at most about 5 % larger than the smallest one);
  // the zero ball at the origin for no points.
  static Derived FromPoints(const V* points, int count) {
    Derived ball;
    if (!points || count <= 0) return ball;
    // Start from the two points farthest apart along a sweep from the first point.
    auto farthest = [points, count](const V& from) {
      int best = 0;
      for (int i = 1; i < count; ++i)
        if ((points[i] - from).lengthSquared() > (points[best] - from).lengthSquared()) best = i;
      return points[best];
    };
    V p = farthest(points[0]), q = farthest(p);
    ball.center = (p + q) * 0.5f;
    ball.radius = (q - p).length() * 0.5f;
    for (int i = 0; i < count; ++i) ball.extend(points[i]);
    return ball;
  }
  // Grows to the smallest ball holding both this one and p, keeping the far side fixed.
  void extend(const V& p) {
    V d = p - center;
    float len = d.length();
    if (len <= radius) return;
    float grown = 0.5f * (len + radius);
    center += d * ((grown - radius) / len);
    radius = grown;
  }
};

class COvCircle : public TOvBall<COvCircle, COvVector2, COvAABB2> {
 public:
  using TOvBall::TOvBall;
  float getArea() const { return kOvPi * radius * radius; }
  float getCircumference() const { return kOvTwoPi * radius; }
};

class COvSphere : public TOvBall<COvSphere, COvVector3, COvAABB3> {
 public:
  using TOvBall::TOvBall;
  float getVolume() const { return (4.0f / 3.0f) * kOvPi * radius * radius * radius; }
  float getSurfaceArea() const { return 4.0f * kOvPi * radius * radius; }
  // -1 wholly behind the plane, +1 wholly in front, 0 cut or touched (unit-normal plane).
  int classify(const COvPlane& plane) const {
    float dist = plane.getDistance(center);
    return dist > radius ? 1 : (dist < -radius ? -1 : 0);
  }
};
