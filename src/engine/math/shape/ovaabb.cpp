// Transformed axis-aligned boxes.
#include "engine/math/shape/ovaabb.h"

COvAABB3 COvAABB3::getTransformed(const COvMatrix44& m) const {
  if (isEmpty()) return *this;
  // Arvo: each output axis takes, per input axis, the smaller and the larger product.
  COvAABB3 r(m.getTranslation(), m.getTranslation());
  for (int j = 0; j < 3; ++j)
    for (int i = 0; i < 3; ++i) {
      float a = m(i, j) * min[i], b = m(i, j) * max[i];
      r.min[j] += a < b ? a : b;
      r.max[j] += a < b ? b : a;
    }
  return r;
}
