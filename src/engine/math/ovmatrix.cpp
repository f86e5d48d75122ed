// Matrix rotations, determinants and adjugates.
#include "engine/math/ovmatrix.h"

#include <cmath>

namespace {

// Writes the rotation matrix of q into a 3×3 block whose rows are `stride` floats apart.
void WriteQuaternionBlock(const COvQuaternion& q, bool transposed, float* out, int stride) {
  float n = q.lengthSquared();
  float s = n == 0.0f ? 1.0f : 2.0f / n;
  float xx = s * q.x * q.x, yy = s * q.y * q.y, zz = s * q.z * q.z;
  float xy = s * q.x * q.y, xz = s * q.x * q.z, yz = s * q.y * q.z;
  float wx = s * q.w * q.x, wy = s * q.w * q.y, wz = s * q.w * q.z;
  float r[3][3] = {{1.0f - (yy + zz), xy - wz, xz + wy},
                   {xy + wz, 1.0f - (xx + zz), yz - wx},
                   {xz - wy, yz + wx, 1.0f - (xx + yy)}};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) out[stride * i + j] = transposed ? r[j][i] : r[i][j];
}

float Det3(float a, float b, float c, float d, float e, float f, float g, float h, float i) {
  return a * (e * i - f * h) - b * (d * i - f * g) + c * (d * h - e * g);
}

// Cofactor (row, col) of a 4×4 matrix: the signed determinant of the 3×3 matrix left when
// that row and column are removed.
float Cofactor44(const float* m, int row, int col) {
  float sub[9];
  int k = 0;
  for (int i = 0; i < 4; ++i) {
    if (i == row) continue;
    for (int j = 0; j < 4; ++j)
      if (j != col) sub[k++] = m[4 * i + j];
  }
  float minor = Det3(sub[0], sub[1], sub[2], sub[3], sub[4], sub[5], sub[6], sub[7], sub[8]);
  return ((row + col) % 2 == 0) ? minor : -minor;
}

}  // namespace

void COvMatrix22::makeRotation(float angle) {
  float c = std::cos(angle), s = std::sin(angle);
  *this = COvMatrix22(c, s, -s, c);
}

COvMatrix33::COvMatrix33(float m00, float m01, float m02, float m10, float m11, float m12, float m20,
                         float m21, float m22) {
  const float e[9] = {m00, m01, m02, m10, m11, m12, m20, m21, m22};
  for (int i = 0; i < 9; ++i) m[i] = e[i];
}

float COvMatrix33::determinant() const { return Det3(m[0], m[1], m[2], m[3], m[4], m[5], m[6], m[7], m[8]); }

COvMatrix33 COvMatrix33::getAdjugate() const {
  return COvMatrix33(m[4] * m[8] - m[5] * m[7], m[2] * m[7] - m[1] * m[8], m[1] * m[5] - m[2] * m[4],
                     m[5] * m[6] - m[3] * m[8], m[0] * m[8] - m[2] * m[6], m[2] * m[3] - m[0] * m[5],
                     m[3] * m[7] - m[4] * m[6], m[1] * m[6] - m[0] * m[7], m[0] * m[4] - m[1] * m[3]);
}

void COvMatrix33::setRotation(const COvQuaternion& q, bool transposed) {
  WriteQuaternionBlock(q, transposed, m, 3);
}

COvMatrix44::COvMatrix44(const float elements[16]) {
  for (int i = 0; i < 16; ++i) m[i] = elements[i];
}

void COvMatrix44::makeRotationX(float angle) {
  float c = std::cos(angle), s = std::sin(angle);
  makeIdentity();
  m[5] = c, m[6] = s, m[9] = -s, m[10] = c;
}

void COvMatrix44::makeRotationY(float angle) {
  float c = std::cos(angle), s = std::sin(angle);
  makeIdentity();
  m[0] = c, m[2] = -s, m[8] = s, m[10] = c;
}

void COvMatrix44::makeRotationZ(float angle) {
  float c = std::cos(angle), s = std::sin(angle);
  makeIdentity();
  m[0] = c, m[1] = s, m[4] = -s, m[5] = c;
}

namespace {

// The axes (0 X, 1 Y, 2 Z) of each rotation order; null for an unknown order.
const int* RotationAxes(ERotationOrder order) {
  static const int kAxes[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
  int index = static_cast<int>(order);
  return (index >= 0 && index < 6) ? kAxes[index] : nullptr;
}

// The composed rotation of the three angles in the given order; false for an unknown order.
bool ComposeRotation(float x, float y, float z, ERotationOrder order, COvMatrix44& out) {
  const int* axes = RotationAxes(order);
  if (!axes) return false;
  const float angles[3] = {x, y, z};
  out.makeIdentity();
  for (int k = 0; k < 3; ++k) {
    float angle = angles[axes[k]];
    if (angle == 0.0f) continue;
    COvMatrix44 r;
    if (axes[k] == 0)
      r.makeRotationX(angle);
    else if (axes[k] == 1)
      r.makeRotationY(angle);
    else
      r.makeRotationZ(angle);
    out = out.MultiplyCorrect(r);
  }
  return true;
}

}  // namespace

void COvMatrix44::rotate(float x, float y, float z, ERotationOrder order) {
  COvMatrix44 r;
  if (ComposeRotation(x, y, z, order, r)) *this = r.MultiplyCorrect(*this);
}

void COvMatrix44::setRotation(float x, float y, float z, ERotationOrder order) {
  COvMatrix44 r;
  if (ComposeRotation(x, y, z, order, r)) *this = r;
}

void COvMatrix44::setRotation(const COvQuaternion& q, bool transposed) {
  WriteQuaternionBlock(q, transposed, m, 4);
  m[3] = m[7] = m[11] = 0.0f;
  m[12] = m[13] = m[14] = 0.0f;
  m[15] = 1.0f;
}

COvVector4 COvMatrix44::transform(const COvVector4& v) const {
  COvVector4 r;
  for (int j = 0; j < 4; ++j) r[j] = v.x * m[j] + v.y * m[4 + j] + v.z * m[8 + j] + v.w * m[12 + j];
  return r;
}

float COvMatrix44::determinant() const {
  float det = 0.0f;
  for (int j = 0; j < 4; ++j) det += m[j] * Cofactor44(m, 0, j);
  return det;
}

COvMatrix44 COvMatrix44::getAdjugate() const {
  COvMatrix44 r;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) r.m[4 * i + j] = Cofactor44(m, j, i);
  return r;
}
