// Triangles as shapes: COvTriangle2 and COvTriangle3, three corners a, b and c. Barycentric
// coordinates (u, v, w) weigh a, b and c and sum to 1.
#pragma once

#include "engine/math/ovvector.h"
#include "engine/math/shape/ovball.h"
#include "engine/math/shape/ovplane.h"

template <typename Derived, typename V>
class TOvTriangle {
 public:
  V a, b, c;

  TOvTriangle() = default;
  TOvTriangle(const V& pa, const V& pb, const V& pc) : a(pa), b(pb), c(pc) {}

  bool operator==(const Derived& o) const { return a == o.a && b == o.b && c == o.c; }
  bool operator!=(const Derived& o) const { return !(*this == o); }

  V getCentroid() const { return (a + b + c) * (1.0f / 3.0f); }
  V getMin() const { return a.getMin(b).getMin(c); }
  V getMax() const { return a.getMax(b).getMax(c); }
  V getPoint(float u, float v, float w) const { return a * u + b * v + c * w; }
  // The coordinates of p (projected onto the triangle's plane in 3-D); false for a
  // degenerate triangle.
  bool getBarycentric(const V& p, float& u, float& v, float& w) const {
    V e0 = b - a, e1 = c - a, e2 = p - a;
    float d00 = e0.dot(e0), d01 = e0.dot(e1), d11 = e1.dot(e1), d20 = e2.dot(e0), d21 = e2.dot(e1);
    float denom = d00 * d11 - d01 * d01;
    if (denom <= kOvEpsilon * kOvEpsilon * (d00 + d11) * (d00 + d11) || denom == 0.0f) return false;
    v = (d11 * d20 - d01 * d21) / denom;
    w = (d00 * d21 - d01 * d20) / denom;
    u = 1.0f - v - w;
    return true;
  }
  // The nearest point of the (filled) triangle to p.
  V getClosestPoint(const V& p) const;
  float getDistanceSquared(const V& p) const { return (getClosestPoint(p) - p).lengthSquared(); }
};

class COvTriangle2 : public TOvTriangle<COvTriangle2, COvVector2> {
 public:
  using TOvTriangle::TOvTriangle;
  // Positive when a, b, c run counter-clockwise.
  float getSignedArea() const { return 0.5f * (b - a).cross(c - a); }
  float getArea() const { return std::fabs(getSignedArea()); }
  COvAABB2 getAABB() const { return COvAABB2(getMin(), getMax()); }
  // Either winding; the boundary is inside.
  bool contains(const COvVector2& p) const;
  // The circle through the three corners; false for collinear corners.
  bool getCircumcircle(COvCircle& out) const;
};

class COvTriangle3 : public TOvTriangle<COvTriangle3, COvVector3> {
 public:
  using TOvTriangle::TOvTriangle;
  // (b - a) × (c - a), of length twice the area.
  COvVector3 getNormal() const { return (b - a).cross(c - a); }
  COvVector3 getUnitNormal() const { return getNormal().getNormalized(); }
  float getArea() const { return 0.5f * getNormal().length(); }
  COvPlane getPlane() const { return COvPlane(a, b, c); }
  COvAABB3 getAABB() const { return COvAABB3(getMin(), getMax()); }
  // Exact overlap of the filled triangle with the solid box (separating axes), touching
  // included.
  bool intersects(const COvAABB3& box) const;
  bool intersects(const COvSphere& s) const { return getDistanceSquared(s.center) <= s.radius * s.radius; }
};

// Ericson's region test: works on dot products only, so in any dimension.
template <typename Derived, typename V>
V TOvTriangle<Derived, V>::getClosestPoint(const V& p) const {
  V ab = b - a, ac = c - a, ap = p - a;
  float d1 = ab.dot(ap), d2 = ac.dot(ap);
  if (d1 <= 0.0f && d2 <= 0.0f) return a;
  V bp = p - b;
  float d3 = ab.dot(bp), d4 = ac.dot(bp);
  if (d3 >= 0.0f && d4 <= d3) return b;
  float vc = d1 * d4 - d3 * d2;
  if (vc <= 0.0f && d1 >= 0.0f && d3 <= 0.0f) return a + ab * (d1 / (d1 - d3));
  V cp = p - c;
  float d5 = ab.dot(cp), d6 = ac.dot(cp);
  if (d6 >= 0.0f && d5 <= d6) return c;
  float vb = d5 * d2 - d1 * d6;
  if (vb <= 0.0f && d2 >= 0.0f && d6 <= 0.0f) return a + ac * (d2 / (d2 - d6));
  float va = d3 * d6 - d5 * d4;
  if (va <= 0.0f && (d4 - d3) >= 0.0f && (d5 - d6) >= 0.0f)
    return b + (c - b) * ((d4 - d3) / ((d4 - d3) + (d5 - d6)));
  float denom = va + vb + vc;
  // Degenerate (collinear) triangles end here with denom 0: the corner a is as good as any.
  if (denom == 0.0f) return a;
  return a + ab * (vb / denom) + ac * (vc / denom);
}
