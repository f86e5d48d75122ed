// Euler angles read back from a rotation matrix, for the six axis orders.
#include <cmath>

#include "engine/math/ovmatrix.h"

COvEulerAngles COvMatrix44::getEulerAngles(ERotationOrder order) const {
  static const int kAxes[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
  int index = static_cast<int>(order);
  if (index < 0 || index >= 6) return COvEulerAngles();
  const int i = kAxes[index][0], j = kAxes[index][1], k = kAxes[index][2];
  // The column-vector rotation c = R_k R_j R_i, rows normalized to drop the scale. Orders that
  // are odd permutations of X, Y, Z flip the signs of the sines.
  COvVector3 rows[3] = {getRight().getNormalized(), getFront().getNormalized(), getUp().getNormalized()};
  auto c = [&rows](int r, int col) { return rows[col][r]; };
  const float s = (index == 0 || index == 3 || index == 4) ? 1.0f : -1.0f;
  float angles[3];
  // atan2 rather than asin keeps the middle angle accurate near ±π/2.
  float cosMiddle = std::sqrt(c(i, i) * c(i, i) + c(j, i) * c(j, i));
  angles[j] = std::atan2(-s * c(k, i), cosMiddle);
  if (cosMiddle > 1e-6f) {
    angles[i] = std::atan2(s * c(k, j), c(k, k));
    angles[k] = std::atan2(s * c(j, i), c(i, i));
  } else {
    angles[i] = std::atan2(-s * c(j, k), c(j, j));
    angles[k] = 0.0f;
  }
  return COvEulerAngles(angles[0], angles[1], angles[2]);
}
