// 2-D triangle containment and circumcircles.
#include "engine/math/shape/ovtriangleshape.h"

#include <cmath>

bool COvTriangle2::contains(const COvVector2& p) const {
  float d1 = (b - a).cross(p - a), d2 = (c - b).cross(p - b), d3 = (a - c).cross(p - c);
  bool hasNeg = d1 < 0.0f || d2 < 0.0f || d3<0.0f, hasPos = d1> 0.0f || d2 > 0.0f || d3 > 0.0f;
  if (hasNeg && hasPos) return false;
  // All three zero: a degenerate triangle holds only the points of its segment.
  if (!hasNeg && !hasPos) return getDistanceSquared(p) == 0.0f;
  return true;
}

bool COvTriangle3::intersects(const COvAABB3& box) const {
  if (box.isEmpty()) return false;
  // In the box's frame: the box is [-h, h]; the candidate axes are the box's faces, the
  // triangle's normal and the nine crosses of the box axes with the triangle's edges.
  COvVector3 center = box.getCenter(), h = box.getHalfSize();
  const COvVector3 v[3] = {a - center, b - center, c - center};
  const COvVector3 edges[3] = {v[1] - v[0], v[2] - v[1], v[0] - v[2]};
  COvVector3 axes[13] = {COvVector3(1, 0, 0), COvVector3(0, 1, 0), COvVector3(0, 0, 1),
                         edges[0].cross(edges[1])};
  for (int i = 0; i < 3; ++i)
    for (int e = 0; e < 3; ++e) axes[4 + 3 * i + e] = axes[i].cross(edges[e]);
  for (const COvVector3& axis : axes) {
    float p0 = v[0].dot(axis), p1 = v[1].dot(axis), p2 = v[2].dot(axis);
    float lo = std::fmin(p0, std::fmin(p1, p2)), hi = std::fmax(p0, std::fmax(p1, p2));
    float r = h.x * std::fabs(axis.x) + h.y * std::fabs(axis.y) + h.z * std::fabs(axis.z);
    if (lo > r || hi < -r) return false;
  }
  return true;
}

bool COvTriangle2::getCircumcircle(COvCircle& out) const {
  COvVector2 ab = b - a, ac = c - a;
  float d = 2.0f * ab.cross(ac);
  if (d == 0.0f) return false;
  float ab2 = ab.lengthSquared(), ac2 = ac.lengthSquared();
  COvVector2 offset((ac.y * ab2 - ab.y * ac2) / d, (ab.x * ac2 - ac.x * ab2) / d);
  out = COvCircle(a + offset, offset.length());
  return true;
}
