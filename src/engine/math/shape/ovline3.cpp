// Nearest points between 3-D lines and the 3-D ray casts.
#include "engine/math/shape/ovline3.h"

#include <cmath>
#include <initializer_list>

bool COvLine3::getClosestParameters(const COvLine3& o, float& s, float& t) const {
  COvVector3 r = origin - o.origin;
  float a = direction.dot(direction), b = direction.dot(o.direction), e = o.direction.dot(o.direction);
  float c = direction.dot(r), f = o.direction.dot(r);
  float denom = a * e - b * b;
  if (denom <= kOvEpsilon * kOvEpsilon * a * e || denom == 0.0f) return false;
  s = (b * f - c * e) / denom;
  t = (a * f - b * c) / denom;
  return true;
}

float COvLine3::getDistance(const COvLine3& o) const {
  float s, t;
  if (!getClosestParameters(o, s, t)) return o.getDistance(origin);
  return (getPoint(s) - o.getPoint(t)).length();
}

bool OvRayCylinderSide(const COvRay3& ray, const COvVector3& start, const COvVector3& end, float radius,
                       float& t) {
  // |m + t n|² − ((m + t n) · d)² / (d · d) = r², multiplied through by d · d.
  COvVector3 d = end - start, m = ray.origin - start, n = ray.direction;
  float dd = d.dot(d), md = m.dot(d), nd = n.dot(d), nn = n.dot(n), mn = m.dot(n);
  float a = dd * nn - nd * nd, b = dd * mn - nd * md, c = dd * (m.dot(m) - radius * radius) - md * md;
  if (dd == 0.0f || a <= kOvEpsilon * dd * nn) return false;
  float disc = b * b - a * c;
  if (disc < 0.0f) return false;
  float root = std::sqrt(disc);
  // The nearer root ahead of the origin (the far one when the origin is inside the side).
  for (float hit : {(-b - root) / a, (-b + root) / a}) {
    float along = md + hit * nd;
    if (hit >= 0.0f && along >= 0.0f && along <= dd) {
      t = hit;
      return true;
    }
  }
  return false;
}

bool COvSegment3::intersects(const COvPlane& p, float* t) const {
  float hit;
  if (!COvRay3(start, end - start).intersects(p, &hit) || hit > 1.0f) return false;
  if (t) *t = hit;
  return true;
}

bool COvSegment3::intersects(const COvTriangle3& tri, float* t) const {
  float hit;
  if (!COvRay3(start, end - start).intersects(tri, &hit) || hit > 1.0f) return false;
  if (t) *t = hit;
  return true;
}

bool COvRay3::intersects(const COvPlane& p, float* t) const {
  float dist = p.getDistance(origin), rate = p.normal.dot(direction);
  if (dist == 0.0f) {
    if (t) *t = 0.0f;
    return true;
  }
  if (rate == 0.0f) return false;
  float hit = -dist / rate;
  if (hit < 0.0f) return false;
  if (t) *t = hit;
  return true;
}

bool COvRay3::intersects(const COvSphere& s, float* t) const {
  return OvRayBall(origin, direction, s.center, s.radius, t);
}

bool COvRay3::intersects(const COvAABB3& b, float* t) const {
  float hit;
  if (b.isEmpty() || !OvSlabTest<COvVector3, 3>(origin, direction, b.min, b.max, 0.0f, FLT_MAX, hit))
    return false;
  if (t) *t = hit;
  return true;
}

bool COvRay3::intersects(const COvOBB3& b, float* t) const {
  // In the box's frame the box is the AABB [-half, half] and parameters are unchanged.
  COvVector3 o = b.toLocal(origin),
             d(direction.dot(b.axis[0]), direction.dot(b.axis[1]), direction.dot(b.axis[2]));
  float hit;
  if (!OvSlabTest<COvVector3, 3>(o, d, -b.halfSize, b.halfSize, 0.0f, FLT_MAX, hit)) return false;
  if (t) *t = hit;
  return true;
}

bool COvRay3::intersects(const COvTriangle3& tri, float* t, COvVector3* uvw) const {
  // Möller–Trumbore.
  COvVector3 e1 = tri.b - tri.a, e2 = tri.c - tri.a;
  COvVector3 pv = direction.cross(e2);
  float det = e1.dot(pv);
  if (std::fabs(det) <= kOvEpsilon * e1.length() * e2.length() * direction.length() || det == 0.0f)
    return false;
  float inv = 1.0f / det;
  COvVector3 tv = origin - tri.a;
  float v = tv.dot(pv) * inv;
  if (v < 0.0f || v > 1.0f) return false;
  COvVector3 qv = tv.cross(e1);
  float w = direction.dot(qv) * inv;
  if (w < 0.0f || v + w > 1.0f) return false;
  float hit = e2.dot(qv) * inv;
  if (hit < 0.0f) return false;
  if (t) *t = hit;
  if (uvw) *uvw = COvVector3(1.0f - v - w, v, w);
  return true;
}
