// Frustum planes and the culling tests.
#include "engine/math/shape/ovfrustum.h"

#include <cmath>

namespace {

// The signed distance of the box's corner farthest along (positive) and against (negative)
// the plane's normal.
void BoxExtremes(const COvPlane& p, const COvAABB3& b, float& nearest, float& farthest) {
  COvVector3 pos, neg;
  for (int i = 0; i < 3; ++i) {
    pos[i] = p.normal[i] >= 0.0f ? b.max[i] : b.min[i];
    neg[i] = p.normal[i] >= 0.0f ? b.min[i] : b.max[i];
  }
  nearest = p.getDistance(neg), farthest = p.getDistance(pos);
}

}  // namespace

void COvFrustum3::setFromMatrix(const COvMatrix44& m) {
  // With clip = (p, 1) × M, clip coordinate j is the dot product with column j.
  auto column = [&m](int j) { return COvVector4(m(0, j), m(1, j), m(2, j), m(3, j)); };
  COvVector4 x = column(0), y = column(1), z = column(2), w = column(3);
  const COvVector4 rows[e_max] = {w + x, w - x, w + y, w - y, z, w - z};
  for (int i = 0; i < e_max; ++i) {
    planes[i] = COvPlane(rows[i].getXYZ(), rows[i].w);
    planes[i].normalize();
  }
}

bool COvFrustum3::setFromCamera(const COvVector3& eye, const COvVector3& target, const COvVector3& up,
                                float fovY, float aspect, float zNear, float zFar) {
  COvMatrix44 view, projection;
  if (!view.makeLookAtRH(eye, target, up) || !projection.makePerspectiveFovRH(fovY, aspect, zNear, zFar))
    return false;
  setFromMatrix(view * projection);
  return true;
}

bool COvFrustum3::contains(const COvVector3& p) const {
  for (const COvPlane& plane : planes)
    if (plane.getDistance(p) < 0.0f) return false;
  return true;
}

EOvFrustumTest COvFrustum3::classify(const COvSphere& s) const {
  EOvFrustumTest result = eFrustumInside;
  for (const COvPlane& plane : planes) {
    float dist = plane.getDistance(s.center);
    if (dist < -s.radius) return eFrustumOutside;
    if (dist < s.radius) result = eFrustumIntersect;
  }
  return result;
}

EOvFrustumTest COvFrustum3::classify(const COvAABB3& b) const {
  if (b.isEmpty()) return eFrustumOutside;
  EOvFrustumTest result = eFrustumInside;
  for (const COvPlane& plane : planes) {
    float nearest, farthest;
    BoxExtremes(plane, b, nearest, farthest);
    if (farthest < 0.0f) return eFrustumOutside;
    if (nearest < 0.0f) result = eFrustumIntersect;
  }
  return result;
}

EOvFrustumTest COvFrustum3::classify(const COvOBB3& b) const {
  EOvFrustumTest result = eFrustumInside;
  for (const COvPlane& plane : planes) {
    float dist = plane.getDistance(b.center), r = b.getProjectedRadius(plane.normal);
    if (dist < -r) return eFrustumOutside;
    if (dist < r) result = eFrustumIntersect;
  }
  return result;
}

bool COvFrustum3::getCorners(COvVector3 corners[8]) const {
  for (int i = 0; i < 8; ++i)
    if (!COvPlane::Intersect(planes[i & 1 ? eRight : eLeft], planes[i & 2 ? eTop : eBottom],
                             planes[i & 4 ? eFar : eNear], corners[i]))
      return false;
  return true;
}

void COvFrustum2::set(const COvVector2& apex, const COvVector2& direction, float halfAngle, float zNear,
                      float zFar) {
  COvVector2 dir = direction.getNormalized();
  if (dir.lengthSquared() == 0.0f) dir = COvVector2(1, 0);
  float c = std::cos(halfAngle), s = std::sin(halfAngle);
  // Side normals: the direction turned by ±(π/2 − halfAngle), pointing into the wedge.
  COvVector2 left(dir.x * s + dir.y * c, -dir.x * c + dir.y * s);
  COvVector2 right(dir.x * s - dir.y * c, dir.x * c + dir.y * s);
  planes[eLeft] = {left, -left.dot(apex)};
  planes[eRight] = {right, -right.dot(apex)};
  planes[eNear] = {dir, -dir.dot(apex) - zNear};
  planes[eFar] = {-dir, dir.dot(apex) + zFar};
}

bool COvFrustum2::contains(const COvVector2& p) const {
  for (const COvHalfPlane2& plane : planes)
    if (plane.getDistance(p) < 0.0f) return false;
  return true;
}

bool COvFrustum2::intersects(const COvCircle& c) const {
  for (const COvHalfPlane2& plane : planes)
    if (plane.getDistance(c.center) < -c.radius) return false;
  return true;
}

bool COvFrustum2::intersects(const COvAABB2& b) const {
  if (b.isEmpty()) return false;
  for (const COvHalfPlane2& plane : planes) {
    COvVector2 far(plane.normal.x >= 0.0f ? b.max.x : b.min.x, plane.normal.y >= 0.0f ? b.max.y : b.min.y);
    if (plane.getDistance(far) < 0.0f) return false;
  }
  return true;
}
