// Transform composition, inversion and conversion to and from matrices.
#include "engine/math/ovtransform.h"

#include "engine/math/ovmathutil.h"

COvMatrix44 COvTransform::getMatrix() const {
  COvMatrix44 m;
  m.setRotation(rotation, true);
  for (int j = 0; j < 3; ++j) m(0, j) *= scale.x, m(1, j) *= scale.y, m(2, j) *= scale.z;
  m.setTranslation(position);
  return m;
}

void COvTransform::setFromMatrix(const COvMatrix44& m) {
  position = m.getTranslation();
  COvVector3 rows[3] = {m.getRight(), m.getFront(), m.getUp()};
  COvMatrix33 r;
  for (int i = 0; i < 3; ++i) {
    scale[i] = rows[i].length();
    if (scale[i] > 0.0f) rows[i] /= scale[i];
  }
  if (rows[0].cross(rows[1]).dot(rows[2]) < 0.0f) scale.x = -scale.x, rows[0] = -rows[0];
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) r(i, j) = rows[i][j];
  rotation = r.getRotation();
}

COvTransform COvTransform::combine(const COvTransform& next) const {
  return COvTransform(next.transformPoint(position), next.rotation * rotation, scale.multiply(next.scale));
}

COvTransform COvTransform::getInverse() const {
  COvVector3 inv;
  for (int i = 0; i < 3; ++i) inv[i] = scale[i] != 0.0f ? 1.0f / scale[i] : 0.0f;
  COvQuaternion q = rotation.getConjugate();
  return COvTransform(q.rotate(-position).multiply(inv), q, inv);
}

COvTransform COvTransform::blend(const COvTransform& a, const COvTransform& b, float t) {
  return COvTransform(OvLerp(a.position, b.position, t), COvQuaternion::slerp(a.rotation, b.rotation, t),
                      OvLerp(a.scale, b.scale, t));
}
