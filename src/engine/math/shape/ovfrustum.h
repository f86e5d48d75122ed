// View volumes. COvFrustum3: six planes whose normals point inwards, taken from a view ×
// projection matrix (row vectors, depth in [0, 1]). COvFrustum2: the 2-D view wedge of a
// camera seen from above, an apex, a direction, a half angle and a near and far distance,
// held as four inward half-planes. Points on a boundary are inside. The sphere, circle and
// box tests are the usual conservative ones: they never reject a shape that meets the
// volume, and may accept one that only comes near it at a corner.
#pragma once

#include "engine/math/ovmatrix.h"
#include "engine/math/shape/ovaabb.h"
#include "engine/math/shape/ovball.h"
#include "engine/math/shape/ovobb.h"
#include "engine/math/shape/ovplane.h"

enum EOvFrustumTest : int {
  eFrustumOutside = 0,
  eFrustumIntersect = 1,
  eFrustumInside = 2,
};

class COvFrustum3 {
 public:
  enum { eLeft, eRight, eBottom, eTop, eNear, eFar, e_max };
  COvPlane planes[e_max];

  COvFrustum3() = default;
  explicit COvFrustum3(const COvMatrix44& viewProjection) { setFromMatrix(viewProjection); }

  // The view volume of a camera at eye looking at target (right-handed, up the up vector),
  // with the vertical field of view fovY radians; false (planes unchanged) for degenerate
  // arguments, as the matrix functions reject them.
  bool setFromCamera(const COvVector3& eye, const COvVector3& target, const COvVector3& up, float fovY,
                     float aspect, float zNear, float zFar);
  // The planes of -w <= x <= w, -w <= y <= w, 0 <= z <= w in clip space, normalized.
  void setFromMatrix(const COvMatrix44& viewProjection);
  bool contains(const COvVector3& p) const;
  bool intersects(const COvSphere& s) const { return classify(s) != eFrustumOutside; }
  bool intersects(const COvAABB3& b) const { return classify(b) != eFrustumOutside; }
  EOvFrustumTest classify(const COvSphere& s) const;
  EOvFrustumTest classify(const COvAABB3& b) const;
  EOvFrustumTest classify(const COvOBB3& b) const;
  bool intersects(const COvOBB3& b) const { return classify(b) != eFrustumOutside; }
  // The eight corners: bit 0 of the index picks right over left, bit 1 top over bottom,
  // bit 2 far over near. False when the planes do not close a volume.
  bool getCorners(COvVector3 corners[8]) const;
};

// A half-plane of the 2-D frustum: the points with normal · p + d >= 0.
class COvHalfPlane2 {
 public:
  COvVector2 normal;
  float d = 0.0f;
  float getDistance(const COvVector2& p) const { return normal.dot(p) + d; }
};

class COvFrustum2 {
 public:
  enum { eLeft, eRight, eNear, eFar, e_max };
  COvHalfPlane2 planes[e_max];

  COvFrustum2() { set(COvVector2(), COvVector2(1, 0), 0.25f * kOvPi, 0.0f, 1.0f); }
  COvFrustum2(const COvVector2& apex, const COvVector2& direction, float halfAngle, float zNear, float zFar) {
    set(apex, direction, halfAngle, zNear, zFar);
  }

  // halfAngle in (0, π/2) radians between the direction and each side; the direction need
  // not be unit length (a zero one looks along +X).
  void set(const COvVector2& apex, const COvVector2& direction, float halfAngle, float zNear, float zFar);
  bool contains(const COvVector2& p) const;
  bool intersects(const COvCircle& c) const;
  bool intersects(const COvAABB2& b) const;
};
