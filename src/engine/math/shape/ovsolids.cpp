// Ray casts against capsules and cylinders.
#include <cfloat>
#include <initializer_list>

#include "engine/math/shape/ovcapsule.h"
#include "engine/math/shape/ovcylinder.h"

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
