// Oriented box construction and the 3-D separating-axis test.
#include "engine/math/shape/ovobb.h"

COvOBB2::COvOBB2(const COvVector2& c, const COvVector2& half, float angle) {
  float co = std::cos(angle), s = std::sin(angle);
  center = c, halfSize = half;
  axis[0] = COvVector2(co, s), axis[1] = COvVector2(-s, co);
}

COvOBB3::COvOBB3(const COvVector3& c, const COvVector3& half, const COvQuaternion& q) {
  center = c, halfSize = half;
  axis[0] = q.rotate(COvVector3(1, 0, 0));
  axis[1] = q.rotate(COvVector3(0, 1, 0));
  axis[2] = q.rotate(COvVector3(0, 0, 1));
}

COvOBB3::COvOBB3(const COvAABB3& box, const COvMatrix44& m) {
  center = m.transformPoint(box.getCenter());
  const COvVector3 rows[3] = {m.getRight(), m.getFront(), m.getUp()};
  COvVector3 h = box.getHalfSize();
  for (int i = 0; i < 3; ++i) {
    float len = rows[i].length();
    axis[i] = len > 0.0f ? rows[i] / len : COvVector3(i == 0, i == 1, i == 2);
    halfSize[i] = h[i] * len;
  }
}

bool COvOBB3::intersects(const COvOBB3& o) const {
  // The face normals of both boxes and the nine edge-pair cross products; parallel edges
  // give zero crosses, which are skipped.
  COvVector3 axes[15];
  for (int i = 0; i < 3; ++i) {
    axes[i] = axis[i], axes[3 + i] = o.axis[i];
    for (int j = 0; j < 3; ++j) axes[6 + 3 * i + j] = axis[i].cross(o.axis[j]);
  }
  return overlapsOn(o, axes, 15);
}
