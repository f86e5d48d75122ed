// Ellipses and ellipsoids: COvEllipse2 (a centre, the two semi-axis lengths and the angle of
// the first axis) and COvEllipsoid (a centre, three semi-axis lengths and the rotation of
// the axes). Containment includes the boundary; zero semi-axes hold only their flat part.
#pragma once

#include <cmath>

#include "engine/math/ovmathutil.h"
#include "engine/math/ovquaternion.h"
#include "engine/math/shape/ovaabb.h"
#include "engine/math/shape/ovline2.h"
#include "engine/math/shape/ovline3.h"

class COvEllipse2 {
 public:
  COvVector2 center;
  COvVector2 radii{1.0f, 1.0f};
  float angle = 0.0f;

  COvEllipse2() = default;
  COvEllipse2(const COvVector2& c, const COvVector2& r, float a = 0.0f) : center(c), radii(r), angle(a) {}

  bool operator==(const COvEllipse2& o) const {
    return center == o.center && radii == o.radii && angle == o.angle;
  }
  bool operator!=(const COvEllipse2& o) const { return !(*this == o); }

  // p in the frame of the axes, relative to the centre.
  COvVector2 toLocal(const COvVector2& p) const {
    COvVector2 d = p - center;
    float c = std::cos(angle), s = std::sin(angle);
    return COvVector2(d.x * c + d.y * s, -d.x * s + d.y * c);
  }
  bool contains(const COvVector2& p) const {
    COvVector2 l = toLocal(p);
    return Inside(l.x, radii.x) + Inside(l.y, radii.y) <= 1.0f;
  }
  // The boundary point at parameter theta (the angle before the axes are stretched).
  COvVector2 getPoint(float theta) const {
    float c = std::cos(angle), s = std::sin(angle);
    float x = radii.x * std::cos(theta), y = radii.y * std::sin(theta);
    return center + COvVector2(x * c - y * s, x * s + y * c);
  }
  float getArea() const { return kOvPi * radii.x * radii.y; }
  // True when the ray meets the ellipse, with the parameter of the first point met in t (0
  // when the origin is inside); an ellipse with a zero semi-axis is never met.
  bool intersects(const COvRay2& ray, float* t = nullptr) const;
  COvAABB2 getAABB() const {
    float c = std::cos(angle), s = std::sin(angle);
    COvVector2 h(std::hypot(radii.x * c, radii.y * s), std::hypot(radii.x * s, radii.y * c));
    return COvAABB2(center - h, center + h);
  }

  // (x / r)², with a zero radius holding only x = 0.
  static float Inside(float x, float r) {
    if (r == 0.0f) return x == 0.0f ? 0.0f : 2.0f;
    return (x / r) * (x / r);
  }
};

class COvEllipsoid {
 public:
  COvVector3 center;
  COvVector3 radii{1.0f, 1.0f, 1.0f};
  COvQuaternion rotation;

  COvEllipsoid() = default;
  COvEllipsoid(const COvVector3& c, const COvVector3& r, const COvQuaternion& q = COvQuaternion())
      : center(c), radii(r), rotation(q) {}

  bool operator==(const COvEllipsoid& o) const {
    return center == o.center && radii == o.radii && rotation == o.rotation;
  }
  bool operator!=(const COvEllipsoid& o) const { return !(*this == o); }

  COvVector3 toLocal(const COvVector3& p) const { return rotation.getConjugate().rotate(p - center); }
  bool contains(const COvVector3& p) const {
    COvVector3 l = toLocal(p);
    return COvEllipse2::Inside(l.x, radii.x) + COvEllipse2::Inside(l.y, radii.y) +
               COvEllipse2::Inside(l.z, radii.z) <=
           1.0f;
  }
  float getVolume() const { return (4.0f / 3.0f) * kOvPi * radii.x * radii.y * radii.z; }
  // As COvEllipse2::intersects.
  bool intersects(const COvRay3& ray, float* t = nullptr) const;
  COvAABB3 getAABB() const {
    const COvVector3 axes[3] = {rotation.rotate(COvVector3(radii.x, 0, 0)),
                                rotation.rotate(COvVector3(0, radii.y, 0)),
                                rotation.rotate(COvVector3(0, 0, radii.z))};
    COvVector3 h;
    for (int i = 0; i < 3; ++i)
      h[i] = std::sqrt(axes[0][i] * axes[0][i] + axes[1][i] * axes[1][i] + axes[2][i] * axes[2][i]);
    return COvAABB3(center - h, center + h);
  }
};
