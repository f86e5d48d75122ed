// Matrix value types: COvMatrix22, COvMatrix33, COvMatrix44. Floats stored row after row:
// element (row i, column j) is m[N·i + j]. Points are row vectors multiplied on the left
// (p' = p × M), so a COvMatrix44 keeps its translation in elements 12, 13 and 14 and its rows
// 0, 1 and 2 are the images of the X, Y and Z axes (right, front, up).
// A default-constructed matrix is the identity.
#pragma once

#include <cmath>

#include "engine/math/ovquaternion.h"
#include "engine/math/ovvector.h"

template <typename Derived, int N>
class TOvMatrixOps {
 public:
  static constexpr int e_size = N * N;
  float m[N * N];

  TOvMatrixOps() { makeIdentity(); }

  float& operator()(int row, int col) { return m[N * row + col]; }
  float operator()(int row, int col) const { return m[N * row + col]; }
  float& operator[](int index) { return m[index]; }
  float operator[](int index) const { return m[index]; }
  float* data() { return m; }
  const float* data() const { return m; }

  void makeIdentity() {
    for (int i = 0; i < N * N; ++i) m[i] = (i % (N + 1) == 0) ? 1.0f : 0.0f;
  }
  void makeZero() {
    for (float& v : m) v = 0.0f;
  }
  bool isIdentity() const { return Self() == Derived(); }

  // Exact element comparison; see equals() for a tolerance.
  bool operator==(const Derived& o) const {
    for (int i = 0; i < N * N; ++i)
      if (!(m[i] == o.m[i])) return false;
    return true;
  }
  bool operator!=(const Derived& o) const { return !(*this == o); }
  bool equals(const Derived& o, float epsilon = 1e-5f) const {
    for (int i = 0; i < N * N; ++i)
      if (std::fabs(m[i] - o.m[i]) > epsilon) return false;
    return true;
  }

  // this × b: result(i, j) = Σk this(i, k) · b(k, j). With row vectors, p × (A × B) applies A
  // first, then B.
  Derived MultiplyCorrect(const Derived& b) const {
    Derived r;
    for (int i = 0; i < N; ++i)
      for (int j = 0; j < N; ++j) {
        float sum = 0.0f;
        for (int k = 0; k < N; ++k) sum += m[N * i + k] * b.m[N * k + j];
        r.m[N * i + j] = sum;
      }
    return r;
  }
  // b × this: the operands in the other order. Kept for callers written against it.
  Derived MultiplyBugged(const Derived& b) const { return b.MultiplyCorrect(Self()); }
  Derived operator*(const Derived& b) const { return MultiplyCorrect(b); }
  Derived& operator*=(const Derived& b) { return Self() = MultiplyCorrect(b); }

  Derived operator*(float s) const {
    Derived r;
    for (int i = 0; i < N * N; ++i) r.m[i] = m[i] * s;
    return r;
  }
  Derived operator+(const Derived& b) const {
    Derived r;
    for (int i = 0; i < N * N; ++i) r.m[i] = m[i] + b.m[i];
    return r;
  }
  Derived operator-(const Derived& b) const {
    Derived r;
    for (int i = 0; i < N * N; ++i) r.m[i] = m[i] - b.m[i];
    return r;
  }

  void transpose() { Self() = getTransposed(); }
  Derived getTransposed() const {
    Derived r;
    for (int i = 0; i < N; ++i)
      for (int j = 0; j < N; ++j) r.m[N * j + i] = m[N * i + j];
    return r;
  }

  // Inverse into out; false (out unchanged) when the determinant is 0.
  bool getInverse(Derived& out) const {
    float det = Self().determinant();
    if (det == 0.0f) return false;
    out = Self().getAdjugate() * (1.0f / det);
    return true;
  }

 protected:
  Derived& Self() { return static_cast<Derived&>(*this); }
  const Derived& Self() const { return static_cast<const Derived&>(*this); }
};

class COvMatrix22 : public TOvMatrixOps<COvMatrix22, 2> {
 public:
  COvMatrix22() = default;
  COvMatrix22(float m00, float m01, float m10, float m11) { m[0] = m00, m[1] = m01, m[2] = m10, m[3] = m11; }

  float determinant() const { return m[0] * m[3] - m[1] * m[2]; }
  COvMatrix22 getAdjugate() const { return COvMatrix22(m[3], -m[1], -m[2], m[0]); }
  // Rotation by angle radians, counter-clockwise for row vectors.
  void makeRotation(float angle);
  COvVector2 transform(const COvVector2& v) const {
    return COvVector2(v.x * m[0] + v.y * m[2], v.x * m[1] + v.y * m[3]);
  }
};

class COvMatrix33 : public TOvMatrixOps<COvMatrix33, 3> {
 public:
  COvMatrix33() = default;
  COvMatrix33(float m00, float m01, float m02, float m10, float m11, float m12, float m20, float m21,
              float m22);

  float determinant() const;
  COvMatrix33 getAdjugate() const;
  // The rotation matrix of q (see COvMatrix44::setRotation).
  void setRotation(const COvQuaternion& q, bool transposed = false);
  // The unit quaternion of this rotation in the transposed (row-vector) arrangement, the
  // inverse of setRotation(q, true). Scale is not removed.
  COvQuaternion getRotation() const;
  COvVector3 transform(const COvVector3& v) const {
    return COvVector3(v.x * m[0] + v.y * m[3] + v.z * m[6], v.x * m[1] + v.y * m[4] + v.z * m[7],
                      v.x * m[2] + v.y * m[5] + v.z * m[8]);
  }
};

class COvMatrix44 : public TOvMatrixOps<COvMatrix44, 4> {
 public:
  COvMatrix44() = default;
  // Sixteen elements row after row.
  explicit COvMatrix44(const float elements[16]);

  COvVector3 getTranslation() const { return COvVector3(m[12], m[13], m[14]); }
  void setTranslation(const COvVector3& t) { m[12] = t.x, m[13] = t.y, m[14] = t.z; }
  // The identity with translation t.
  void makeTranslation(const COvVector3& t) {
    makeIdentity();
    setTranslation(t);
  }
  void makeScale(const COvVector3& s) {
    makeIdentity();
    m[0] = s.x, m[5] = s.y, m[10] = s.z;
  }
  // The upper 3×3 block (rotation and scale) out of and into this matrix; setting it leaves
  // the translation and the last column alone.
  COvMatrix33 getMatrix33() const {
    return COvMatrix33(m[0], m[1], m[2], m[4], m[5], m[6], m[8], m[9], m[10]);
  }
  void setMatrix33(const COvMatrix33& r) {
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 3; ++j) m[4 * i + j] = r(i, j);
  }
  COvVector3 getRight() const { return COvVector3(m[0], m[1], m[2]); }
  COvVector3 getFront() const { return COvVector3(m[4], m[5], m[6]); }
  COvVector3 getUp() const { return COvVector3(m[8], m[9], m[10]); }

  // Pure rotations about one axis by angle radians (identity elsewhere), in the row-vector
  // arrangement: counter-clockwise looking down the axis towards the origin.
  void makeRotationX(float angle);
  void makeRotationY(float angle);
  void makeRotationZ(float angle);
  // Rotation by angle radians about axis (need not be unit length; zero gives the identity),
  // counter-clockwise looking down the axis as the single-axis rotations.
  void makeRotationAxis(const COvVector3& axis, float angle);
  // The mirror image through the plane normal · p + d = 0 (normal of any non-zero length);
  // false, unchanged, for a zero normal.
  bool makeReflection(const COvVector3& normal, float d);
  // The inverse of a rotation followed by a translation (an orthonormal upper block, as view
  // and bone matrices are): the transposed block and the translation moved back. Cheaper and
  // more accurate than getInverse() for such matrices; wrong for any other.
  COvMatrix44 getRigidInverse() const;

  // Rotation about X, Y and Z applied in the given order (each a rotation by the axis angle
  // as makeRotationX/Y/Z; an angle of exactly 0 skips its axis), composed in the rotated
  // matrix's local frame: this := R × this, so the translation stays. An order outside 0..5
  // does nothing.
  void rotate(float x, float y, float z, ERotationOrder order);
  // The pure rotation of rotate() applied to the identity. An order outside 0..5 does nothing.
  void setRotation(float x, float y, float z, ERotationOrder order);
  void makeRotation(const COvEulerAngles& euler, ERotationOrder order) {
    setRotation(euler.x, euler.y, euler.z, order);
  }

  // The rotation matrix of q, scaled by 2/|q|² (by 1 when |q|² is 0), in the upper 3×3 block;
  // elements 3, 7, 11, 12, 13, 14 := 0 and 15 := 1. The plain arrangement is the textbook
  // matrix that rotates column vectors (element 1 is 2(xy − wz)); transposed is the one that
  // rotates row vectors as transformPoint() does, the same as the Euler rotations.
  void setRotation(const COvQuaternion& q, bool transposed = false);

  // p × M with w = 1 (translation applied) and with w = 0 (translation ignored).
  COvVector3 transformPoint(const COvVector3& p) const {
    return COvVector3(p.x * m[0] + p.y * m[4] + p.z * m[8] + m[12],
                      p.x * m[1] + p.y * m[5] + p.z * m[9] + m[13],
                      p.x * m[2] + p.y * m[6] + p.z * m[10] + m[14]);
  }
  COvVector3 transformVector(const COvVector3& v) const {
    return COvVector3(v.x * m[0] + v.y * m[4] + v.z * m[8], v.x * m[1] + v.y * m[5] + v.z * m[9],
                      v.x * m[2] + v.y * m[6] + v.z * m[10]);
  }
  COvVector4 transform(const COvVector4& v) const;

  float determinant() const;
  COvMatrix44 getAdjugate() const;
  // The unit quaternion of the upper 3×3 block as COvMatrix33::getRotation.
  COvQuaternion getRotation() const;
  // The angles that setRotation(x, y, z, order) turns into this rotation (scale removed): the
  // middle axis's angle in [-π/2, π/2], the others in [-π, π]. At the middle angle's ends
  // (gimbal lock) the last axis's angle is 0. An order outside 0..5 gives zero angles.
  COvEulerAngles getEulerAngles(ERotationOrder order) const;

  // Camera matrices for row vectors (clip = (p, 1) × M): a left-handed system looks down +Z,
  // a right-handed one down -Z; visible depths map to z/w in [0, 1] from near to far. Each
  // returns false and leaves the matrix unchanged for degenerate arguments (zero extent,
  // near equal to far, eye at the target, up parallel to the view direction).
  bool makePerspectiveFovLH(float fovY, float aspect, float zNear, float zFar);
  bool makePerspectiveFovRH(float fovY, float aspect, float zNear, float zFar);
  // Width and height of the view volume at the near plane.
  bool makePerspectiveLH(float width, float height, float zNear, float zFar);
  bool makePerspectiveRH(float width, float height, float zNear, float zFar);
  bool makeOrthoLH(float width, float height, float zNear, float zFar);
  bool makeOrthoRH(float width, float height, float zNear, float zFar);
  bool makeOrthoOffCenterLH(float left, float right, float bottom, float top, float zNear, float zFar);
  bool makeOrthoOffCenterRH(float left, float right, float bottom, float top, float zNear, float zFar);
  // View matrices: the eye goes to the origin, the target onto +Z (LH) or -Z (RH), up onto +Y.
  bool makeLookAtLH(const COvVector3& eye, const COvVector3& at, const COvVector3& up);
  bool makeLookAtRH(const COvVector3& eye, const COvVector3& at, const COvVector3& up);
};

static_assert(sizeof(COvMatrix22) == 16 && sizeof(COvMatrix33) == 36 && sizeof(COvMatrix44) == 64,
              "matrices are stored as their bare elements");
