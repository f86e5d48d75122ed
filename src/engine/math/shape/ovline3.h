// 3-D straight shapes: COvLine3, COvRay3 and COvSegment3 (see ovlinear.h), with the nearest
// points between them and the ray casts against the 3-D shapes.
#pragma once

#include "engine/math/shape/ovaabb.h"
#include "engine/math/shape/ovball.h"
#include "engine/math/shape/ovlinear.h"
#include "engine/math/shape/ovobb.h"
#include "engine/math/shape/ovplane.h"
#include "engine/math/shape/ovtriangleshape.h"

class COvLine3 : public TOvDirected<COvLine3, COvVector3, -1> {
 public:
  using TOvDirected::TOvDirected;
  // The parameters of the nearest points on this line (s) and on o (t); false (s and t
  // unchanged) for parallel or degenerate lines.
  bool getClosestParameters(const COvLine3& o, float& s, float& t) const;
  float getDistance(const COvLine3& o) const;
  using TOvDirected::getDistance;
};

class COvSegment3 : public TOvSegment<COvSegment3, COvVector3> {
 public:
  using TOvSegment::TOvSegment;
  // The crossing with the plane or the (two-sided) triangle, t in [0, 1] along the segment.
  bool intersects(const COvPlane& p, float* t = nullptr) const;
  bool intersects(const COvTriangle3& tri, float* t = nullptr) const;
};

class COvRay3;
// The first parameter t >= 0 at which the ray meets the side of the infinite cylinder of the
// given radius about start→end, within the part between start and end; false when it does
// not (a ray along the axis never meets the side). Capsules and cylinders build on it.
bool OvRayCylinderSide(const COvRay3& ray, const COvVector3& start, const COvVector3& end, float radius,
                       float& t);

class COvRay3 : public TOvDirected<COvRay3, COvVector3, 1> {
 public:
  using TOvDirected::TOvDirected;
  // Casts: true when the ray meets the shape, with the parameter of the first point met in t
  // (0 when the origin is inside a solid).
  // Either side of the plane; a ray lying in the plane meets it at its origin.
  bool intersects(const COvPlane& p, float* t = nullptr) const;
  bool intersects(const COvSphere& s, float* t = nullptr) const;
  bool intersects(const COvAABB3& b, float* t = nullptr) const;
  bool intersects(const COvOBB3& b, float* t = nullptr) const;
  // Both faces; uvw receives the barycentric coordinates of the hit when given.
  bool intersects(const COvTriangle3& tri, float* t = nullptr, COvVector3* uvw = nullptr) const;
};
