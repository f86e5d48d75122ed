// COvTangentSpaceComputer: per-vertex tangent frames for normal mapping, from positions,
// texture coordinates and normals of an indexed triangle list (Lengyel's method: each
// triangle's texture-space directions summed per vertex, then made orthonormal to the
// vertex normal).
#pragma once

#include "core/ovarray.h"
#include "engine/math/mesh/ovtriangle.h"

class COvTangentSpaceComputer {
 public:
  // One basis per vertex into bases (replacing its contents). Fails, leaving bases empty,
  // when a triangle names a vertex outside [0, vertexCount) or a count is negative. Vertices
  // that no triangle uses, or whose texture mapping is degenerate, get some frame around
  // their normal.
  bool Compute(const COvTriangleVertex* vertices, int vertexCount, const COvTriangle* triangles,
               int triangleCount, COvArray<COvTriangleBasis>& bases) const;
  // Smooth vertex normals: the unit sum of the normals of the triangles using each vertex,
  // weighted by their areas, written into the vertices (unused vertices keep theirs). Fails,
  // changing nothing, on the same bad input as Compute.
  bool ComputeNormals(COvTriangleVertex* vertices, int vertexCount, const COvTriangle* triangles,
                      int triangleCount) const;
};
