// Tangent frames from texture coordinates.
#include "engine/math/mesh/ovtangentspacecomputer.h"

#include <cmath>
#include <vector>

#include "engine/math/ovmathutil.h"

namespace {

// Some unit vector perpendicular to the unit vector n.
COvVector3 AnyPerpendicular(const COvVector3& n) {
  COvVector3 axis = std::fabs(n.x) < 0.9f ? COvVector3(1, 0, 0) : COvVector3(0, 1, 0);
  return (axis - n * n.dot(axis)).getNormalized();
}

// Counts and every index in range.
bool ValidMesh(const void* vertices, int vertexCount, const COvTriangle* triangles, int triangleCount) {
  if (vertexCount < 0 || triangleCount < 0 || (vertexCount > 0 && !vertices) ||
      (triangleCount > 0 && !triangles))
    return false;
  for (int t = 0; t < triangleCount; ++t)
    for (int k = 0; k < 3; ++k)
      if (triangles[t][k] < 0 || triangles[t][k] >= vertexCount) return false;
  return true;
}

}  // namespace

bool COvTangentSpaceComputer::ComputeNormals(COvTriangleVertex* vertices, int vertexCount,
                                             const COvTriangle* triangles, int triangleCount) const {
  if (!ValidMesh(vertices, vertexCount, triangles, triangleCount)) return false;
  // The cross product's length is twice the area: summing it weights by area.
  std::vector<COvVector3> sum(vertexCount);
  for (int t = 0; t < triangleCount; ++t) {
    const COvTriangle& tri = triangles[t];
    COvVector3 n = (vertices[tri[1]].position - vertices[tri[0]].position)
                       .cross(vertices[tri[2]].position - vertices[tri[0]].position);
    for (int k = 0; k < 3; ++k) sum[tri[k]] += n;
  }
  for (int i = 0; i < vertexCount; ++i)
    if (sum[i].lengthSquared() > 0.0f) vertices[i].normal = sum[i].getNormalized();
  return true;
}

bool COvTangentSpaceComputer::Compute(const COvTriangleVertex* vertices, int vertexCount,
                                      const COvTriangle* triangles, int triangleCount,
                                      COvArray<COvTriangleBasis>& bases) const {
  bases.RemoveAll();
  if (!ValidMesh(vertices, vertexCount, triangles, triangleCount)) return false;

  std::vector<COvVector3> tan(vertexCount), bin(vertexCount), faceNormal(vertexCount);
  for (int t = 0; t < triangleCount; ++t) {
    const COvTriangle& tri = triangles[t];
    const COvTriangleVertex &v0 = vertices[tri[0]], &v1 = vertices[tri[1]], &v2 = vertices[tri[2]];
    COvVector3 e1 = v1.position - v0.position, e2 = v2.position - v0.position;
    COvVector2 d1 = v1.uv - v0.uv, d2 = v2.uv - v0.uv;
    COvVector3 n = e1.cross(e2);
    for (int k = 0; k < 3; ++k) faceNormal[tri[k]] += n;
    float det = d1.cross(d2);
    if (std::fabs(det) <= kOvEpsilon * kOvEpsilon) continue;
    // Solve e1 = d1.x T + d1.y B, e2 = d2.x T + d2.y B.
    COvVector3 tt = (e1 * d2.y - e2 * d1.y) / det, bb = (e2 * d1.x - e1 * d2.x) / det;
    // Weight by the triangle's area so that slivers count little.
    float area = n.length();
    tt = tt.getNormalized() * area, bb = bb.getNormalized() * area;
    for (int k = 0; k < 3; ++k) tan[tri[k]] += tt, bin[tri[k]] += bb;
  }

  for (int i = 0; i < vertexCount; ++i) {
    COvTriangleBasis basis;
    COvVector3 n = vertices[i].normal.getNormalized();
    if (n.lengthSquared() == 0.0f) n = faceNormal[i].getNormalized();
    if (n.lengthSquared() == 0.0f) n = COvVector3(0, 0, 1);
    // Gram-Schmidt: the tangent without its normal part.
    COvVector3 t = (tan[i] - n * n.dot(tan[i])).getNormalized();
    if (t.lengthSquared() == 0.0f) t = AnyPerpendicular(n);
    basis.normal = n, basis.tangent = t;
    basis.handedness = n.cross(t).dot(bin[i]) < 0.0f ? -1.0f : 1.0f;
    basis.binormal = n.cross(t) * basis.handedness;
    bases.Add(basis);
  }
  return true;
}
