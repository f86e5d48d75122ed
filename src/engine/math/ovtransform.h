// COvTransform: a scale, then a rotation, then a translation (p' = rotation(p × scale) +
// position), the decomposed form of an object's placement. Composition and inversion are
// exact for uniform scales; with non-uniform scales and rotations they keep the usual
// approximation of carrying the scale per axis.
#pragma once

#include "engine/math/ovmatrix.h"
#include "engine/math/ovquaternion.h"
#include "engine/math/ovvector.h"

class COvTransform {
 public:
  COvVector3 position;
  COvQuaternion rotation;
  COvVector3 scale{1.0f, 1.0f, 1.0f};

  COvTransform() = default;
  COvTransform(const COvVector3& p, const COvQuaternion& q, const COvVector3& s = COvVector3(1, 1, 1))
      : position(p), rotation(q), scale(s) {}
  // Decomposes m (rows 0 to 2 the scaled axes, no shear); a mirroring matrix gets a negative
  // x scale.
  explicit COvTransform(const COvMatrix44& m) { setFromMatrix(m); }

  bool operator==(const COvTransform& o) const {
    return position == o.position && rotation == o.rotation && scale == o.scale;
  }
  bool operator!=(const COvTransform& o) const { return !(*this == o); }

  COvVector3 transformPoint(const COvVector3& p) const {
    return rotation.rotate(p.multiply(scale)) + position;
  }
  COvVector3 transformVector(const COvVector3& v) const { return rotation.rotate(v.multiply(scale)); }
  // The row-vector matrix of this transform: scale × rotation × translation.
  COvMatrix44 getMatrix() const;
  void setFromMatrix(const COvMatrix44& m);
  // This transform followed by next.
  COvTransform combine(const COvTransform& next) const;
  // The transform undoing this one; a zero scale component gives 0 there.
  COvTransform getInverse() const;
  // Linear position and scale, spherical rotation.
  static COvTransform blend(const COvTransform& a, const COvTransform& b, float t);
};
