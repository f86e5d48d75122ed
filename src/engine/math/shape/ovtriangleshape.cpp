// 2-D triangle containment and circumcircles.
#include "engine/math/shape/ovtriangleshape.h"

bool COvTriangle2::contains(const COvVector2& p) const {
  float d1 = (b - a).cross(p - a), d2 = (c - b).cross(p - b), d3 = (a - c).cross(p - c);
  bool hasNeg = d1 < 0.0f || d2 < 0.0f || d3 < 0.0f, hasPos = d1 > 0.0f || d2 > 0.0f || d3 > 0.0f;
  if (hasNeg && hasPos) return false;
  // All three zero: a degenerate triangle holds only the points of its segment.
  if (!hasNeg && !hasPos) return getDistanceSquared(p) == 0.0f;
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
