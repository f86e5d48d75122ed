// Ray casts against capsules, cylinders, ellipses and ellipsoids.
#include <cfloat>
#include <initializer_list>

#include "engine/math/shape/ovcapsule.h"
#include "engine/math/shape/ovcylinder.h"
#include "engine/math/shape/ovellipse.h"

namespace {

// Keeps the smaller of the hits found so far; candidate is read after the cast wrote it.
void Nearer(bool hit, const float& candidate, bool& found, float& best) {
  if (hit && (!found || candidate < best)) found = true, best = candidate;
}

bool Report(bool found, float best, float* t) {
  if (found && t) *t = best;
  return found;
}

}  // namespace

bool COvCapsule3::intersects(const COvRay3& ray, float* t) const {
  if (contains(ray.origin)) return Report(true, 0.0f, t);
  bool found = false;
  float best = FLT_MAX, hit = 0.0f;
  Nearer(ray.intersects(COvSphere(start, radius), &hit), hit, found, best);
  Nearer(ray.intersects(COvSphere(end, radius), &hit), hit, found, best);
  Nearer(OvRayCylinderSide(ray, start, end, radius, hit), hit, found, best);
  return Report(found, best, t);
}

bool COvCylinder::intersects(const COvRay3& ray, float* t) const {
  if (start == end) return false;
  if (contains(ray.origin)) return Report(true, 0.0f, t);
  bool found = false;
  float best = FLT_MAX, hit = 0.0f;
  Nearer(OvRayCylinderSide(ray, start, end, radius, hit), hit, found, best);
  // The end discs: where the ray crosses each end plane within the radius.
  COvVector3 axis = end - start;
  for (const COvVector3* cap : {&start, &end}) {
    COvPlane plane(axis, *cap);
    bool crosses = ray.intersects(plane, &hit);
    Nearer(crosses && (ray.getPoint(hit) - *cap).lengthSquared() <= radius * radius, hit, found, best);
  }
  return Report(found, best, t);
}

namespace {

// An ellipse or ellipsoid is the unit ball seen through the scale of its radii; the map is
// affine, so ray parameters carry over unchanged.
template <typename V, int N>
bool RayUnitBall(V o, V d, const V& radii, float* t) {
  for (int i = 0; i < N; ++i) {
    if (radii[i] == 0.0f) return false;
    o[i] /= radii[i], d[i] /= radii[i];
  }
  return OvRayBall(o, d, V(), 1.0f, t);
}

}  // namespace

bool COvEllipse2::intersects(const COvRay2& ray, float* t) const {
  COvVector2 d = toLocal(center + ray.direction);
  return RayUnitBall<COvVector2, 2>(toLocal(ray.origin), d, radii, t);
}

bool COvEllipsoid::intersects(const COvRay3& ray, float* t) const {
  COvVector3 d = rotation.getConjugate().rotate(ray.direction);
  return RayUnitBall<COvVector3, 3>(toLocal(ray.origin), d, radii, t);
}

bool COvCapsule2::intersects(const COvRay2& ray, float* t) const {
  if (contains(ray.origin)) return Report(true, 0.0f, t);
  // The end circles and the two straight sides.
  COvVector2 axis = end - start, side = COvVector2(-axis.y, axis.x).getNormalized() * radius;
  bool found = false;
  float best = FLT_MAX, hit = 0.0f;
  Nearer(ray.intersects(COvCircle(start, radius), &hit), hit, found, best);
  Nearer(ray.intersects(COvCircle(end, radius), &hit), hit, found, best);
  Nearer(ray.intersects(COvSegment2(start + side, end + side), &hit), hit, found, best);
  Nearer(ray.intersects(COvSegment2(start - side, end - side), &hit), hit, found, best);
  return Report(found, best, t);
}
