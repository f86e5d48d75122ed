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
  bool Compute(const COvTriangleVertex* vertices, int vertexCount, const COvTriangle* triangles, int triangleCount,
               COvArray<COvTriangleBasis>& bases) const;
};
