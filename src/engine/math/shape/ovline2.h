// 2-D straight shapes: COvLine2, COvRay2 and COvSegment2 (see ovlinear.h), with their
// crossings and the ray casts against the 2-D shapes.
#pragma once

#include "engine/math/shape/ovaabb.h"
#include "engine/math/shape/ovball.h"
#include "engine/math/shape/ovlinear.h"
#include "engine/math/shape/ovobb.h"
#include "engine/math/shape/ovtriangleshape.h"

class COvLine2 : public TOvDirected<COvLine2, COvVector2, -1> {
 public:
  using TOvDirected::TOvDirected;
  // Positive on the left of the direction, negative on the right, 0 on the line (scaled by
  // the direction's length).
  float getSide(const COvVector2& p) const { return direction.cross(p - origin); }
  // The crossing point; false (point unchanged) for parallel or degenerate lines.
  bool getIntersection(const COvLine2& o, COvVector2& point) const;
};

class COvSegment2 : public TOvSegment<COvSegment2, COvVector2> {
 public:
  using TOvSegment::TOvSegment;
  // True when the segments share a point (touching and overlapping collinear segments
  // included); point, when given, receives one shared point.
  bool intersects(const COvSegment2& o, COvVector2* point = nullptr) const;
};

class COvRay2 : public TOvDirected<COvRay2, COvVector2, 1> {
 public:
  using TOvDirected::TOvDirected;
  // Casts: true when the ray meets the shape, with the parameter of the first point met in t
  // (0 when the origin is inside).
  bool intersects(const COvCircle& c, float* t = nullptr) const;
  bool intersects(const COvAABB2& b, float* t = nullptr) const;
  bool intersects(const COvSegment2& s, float* t = nullptr) const;
  bool intersects(const COvOBB2& b, float* t = nullptr) const;
  bool intersects(const COvTriangle2& tri, float* t = nullptr) const;
};
