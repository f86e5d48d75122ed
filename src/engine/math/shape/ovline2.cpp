// Crossings of 2-D lines and segments, and 2-D ray casts.
#include "engine/math/shape/ovline2.h"

#include <cmath>

bool COvLine2::getIntersection(const COvLine2& o, COvVector2& point) const {
  float denom = direction.cross(o.direction);
  if (std::fabs(denom) <= kOvEpsilon * direction.length() * o.direction.length() || denom == 0.0f)
    return false;
  point = getPoint((o.origin - origin).cross(o.direction) / denom);
  return true;
}

bool COvSegment2::intersects(const COvSegment2& o, COvVector2* point) const {
  COvVector2 r = end - start, s = o.end - o.start, q = o.start - start;
  float denom = r.cross(s);
  if (std::fabs(denom) > kOvEpsilon * r.length() * s.length() && denom != 0.0f) {
    float t = q.cross(s) / denom, u = q.cross(r) / denom;
    if (t < 0.0f || t > 1.0f || u < 0.0f || u > 1.0f) return false;
    if (point) *point = getPoint(t);
    return true;
  }
  // Parallel, collinear or degenerate: they meet where their distance vanishes.
  float t, u;
  float scale = 1.0f + r.lengthSquared() + s.lengthSquared();
  if (OvClosestSegmentSegment(start, end, o.start, o.end, t, u) > kOvEpsilon * kOvEpsilon * scale)
    return false;
  if (point) *point = getPoint(t);
  return true;
}

bool COvRay2::intersects(const COvCircle& c, float* t) const {
  return OvRayBall(origin, direction, c.center, c.radius, t);
}

bool COvRay2::intersects(const COvAABB2& b, float* t) const {
  float hit;
  if (b.isEmpty() || !OvSlabTest<COvVector2, 2>(origin, direction, b.min, b.max, 0.0f, FLT_MAX, hit))
    return false;
  if (t) *t = hit;
  return true;
}

bool COvRay2::intersects(const COvOBB2& b, float* t) const {
  // In the box's frame the box is the AABB [-half, half] and parameters are unchanged.
  COvVector2 o = b.toLocal(origin), d(direction.dot(b.axis[0]), direction.dot(b.axis[1]));
  float hit;
  if (!OvSlabTest<COvVector2, 2>(o, d, -b.halfSize, b.halfSize, 0.0f, FLT_MAX, hit)) return false;
  if (t) *t = hit;
  return true;
}

bool COvRay2::intersects(const COvTriangle2& tri, float* t) const {
  if (tri.contains(origin)) {
    if (t) *t = 0.0f;
    return true;
  }
  // From outside, the first point met is on an edge.
  const COvSegment2 edges[3] = {COvSegment2(tri.a, tri.b), COvSegment2(tri.b, tri.c),
                                COvSegment2(tri.c, tri.a)};
  float best = FLT_MAX, hit;
  for (const COvSegment2& e : edges)
    if (intersects(e, &hit) && hit < best) best = hit;
  if (best == FLT_MAX) return false;
  if (t) *t = best;
  return true;
}

bool COvRay2::intersects(const COvSegment2& s, float* t) const {
  COvVector2 e = s.end - s.start, q = s.start - origin;
  float denom = direction.cross(e);
  if (denom == 0.0f) {
    // Parallel: only a collinear segment is met, first at its nearer end ahead of the origin.
    if (direction.cross(q) != 0.0f) return false;
    float dd = direction.dot(direction);
    if (dd == 0.0f) return false;
    float t0 = q.dot(direction) / dd, t1 = (s.end - origin).dot(direction) / dd;
    float lo = t0 < t1 ? t0 : t1, hi = t0 < t1 ? t1 : t0;
    if (hi < 0.0f) return false;
    if (t) *t = lo > 0.0f ? lo : 0.0f;
    return true;
  }
  float hit = q.cross(e) / denom, u = q.cross(direction) / denom;
  if (hit < 0.0f || u < 0.0f || u > 1.0f) return false;
  if (t) *t = hit;
  return true;
}
