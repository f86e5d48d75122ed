// COvTriangleDelaunay: the Delaunay triangulation of a set of 2-D points (Bowyer-Watson):
// no point lies strictly inside the circumcircle of any triangle, and the triangles cover
// the convex hull of the points.
#pragma once

#include "core/ovarray.h"
#include "engine/math/mesh/ovtriangle.h"

class COvTriangleDelaunay {
 public:
  // Triangulates points[0..count); the triangles index into points and run
  // counter-clockwise. Repeated points are used once (the first one). Returns false, with no
  // triangles, when there are fewer than three distinct points or all are collinear.
  bool Triangulate(const COvVector2* points, int count);
  const COvArray<COvTriangle>& GetTriangles() const { return m_triangles; }

 private:
  COvArray<COvTriangle> m_triangles;
};
