// Mesh records: COvTriangle (three vertex indices, counter-clockwise seen from the front),
// COvTriangleVertex (what the tangent-space computation reads of a vertex) and
// COvTriangleBasis (a vertex's tangent frame).
#pragma once

#include <cstdint>

#include "engine/math/ovvector.h"

class COvTriangle {
 public:
  int32_t index[3] = {0, 0, 0};

  COvTriangle() = default;
  COvTriangle(int32_t a, int32_t b, int32_t c) { index[0] = a, index[1] = b, index[2] = c; }

  int32_t& operator[](int i) { return index[i]; }
  int32_t operator[](int i) const { return index[i]; }
  bool operator==(const COvTriangle& o) const {
    return index[0] == o.index[0] && index[1] == o.index[1] && index[2] == o.index[2];
  }
  bool operator!=(const COvTriangle& o) const { return !(*this == o); }
  bool uses(int32_t vertex) const { return index[0] == vertex || index[1] == vertex || index[2] == vertex; }
};

class COvTriangleVertex {
 public:
  COvVector3 position;
  COvVector3 normal;  // may be zero: the face normals are used then
  COvVector2 uv;

  COvTriangleVertex() = default;
  COvTriangleVertex(const COvVector3& p, const COvVector3& n, const COvVector2& texture)
      : position(p), normal(n), uv(texture) {}
};

// An orthonormal frame: tangent along increasing u, binormal along increasing v (up to the
// handedness), normal outwards. handedness is +1 when binormal = normal × tangent, −1 when
// the texture is mirrored and binormal = −(normal × tangent).
class COvTriangleBasis {
 public:
  COvVector3 tangent{1.0f, 0.0f, 0.0f};
  COvVector3 binormal{0.0f, 1.0f, 0.0f};
  COvVector3 normal{0.0f, 0.0f, 1.0f};
  float handedness = 1.0f;
};

static_assert(sizeof(COvTriangle) == 12, "a triangle is its three indices");
