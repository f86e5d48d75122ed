// Rotation value types: COvQuaternion (x, y, z, w with w last), its 8-byte packed form,
// COvEulerAngles (radians about x, y, z) and COvAngleAxis (unit axis, then angle in radians).
#pragma once

#include <cstdint>

#include "engine/math/ovvector.h"

// The order in which Euler angles are applied. Any other value makes the rotation functions
// do nothing, hence the fixed underlying type: every int is a valid value.
enum ERotationOrder : int {
  eRotationOrderXYZ = 0,
  eRotationOrderXZY = 1,
  eRotationOrderYXZ = 2,
  eRotationOrderYZX = 3,
  eRotationOrderZXY = 4,
  eRotationOrderZYX = 5,
};

class COvEulerAngles {
 public:
  float x = 0.0f, y = 0.0f, z = 0.0f;

  COvEulerAngles() = default;
  COvEulerAngles(float fx, float fy, float fz) : x(fx), y(fy), z(fz) {}

  float& operator[](int i) { return i == 0 ? x : i == 1 ? y : z; }
  float operator[](int i) const { return i == 0 ? x : i == 1 ? y : z; }
  bool operator==(const COvEulerAngles& o) const { return x == o.x && y == o.y && z == o.z; }
  bool operator!=(const COvEulerAngles& o) const { return !(*this == o); }
};

class COvAngleAxis {
 public:
  COvVector3 axis{1.0f, 0.0f, 0.0f};
  float angle = 0.0f;

  COvAngleAxis() = default;
  COvAngleAxis(const COvVector3& a, float fAngle) : axis(a), angle(fAngle) {}

  bool operator==(const COvAngleAxis& o) const { return axis == o.axis && angle == o.angle; }
  bool operator!=(const COvAngleAxis& o) const { return !(*this == o); }
};

class COvQuaternion {
 public:
  float x = 0.0f, y = 0.0f, z = 0.0f, w = 1.0f;

  // The default is the identity rotation.
  COvQuaternion() = default;
  COvQuaternion(float fx, float fy, float fz, float fw) : x(fx), y(fy), z(fz), w(fw) {}
  explicit COvQuaternion(const COvAngleAxis& aa) { setRotation(aa); }

  float& operator[](int i) { return i == 0 ? x : i == 1 ? y : i == 2 ? z : w; }
  float operator[](int i) const { return i == 0 ? x : i == 1 ? y : i == 2 ? z : w; }
  bool operator==(const COvQuaternion& o) const { return x == o.x && y == o.y && z == o.z && w == o.w; }
  bool operator!=(const COvQuaternion& o) const { return !(*this == o); }
  bool equals(const COvQuaternion& o, float epsilon = 1e-5f) const;

  // Hamilton product this × q: rotating by the result rotates by q first, then by this.
  COvQuaternion operator*(const COvQuaternion& q) const {
    return COvQuaternion(w * q.x + x * q.w + y * q.z - z * q.y, w * q.y + y * q.w + z * q.x - x * q.z,
                         w * q.z + z * q.w + x * q.y - y * q.x, w * q.w - x * q.x - y * q.y - z * q.z);
  }
  COvQuaternion& operator*=(const COvQuaternion& q) { return *this = *this * q; }

  void makeIdentity() { x = y = z = 0.0f, w = 1.0f; }
  float dot(const COvQuaternion& q) const { return x * q.x + y * q.y + z * q.z + w * q.w; }
  float lengthSquared() const { return dot(*this); }
  float length() const;
  // Scales to length 1 and returns the previous length; a zero quaternion is left unchanged.
  float normalize();
  COvQuaternion getConjugate() const { return COvQuaternion(-x, -y, -z, w); }
  // The conjugate divided by the squared length; a zero quaternion gives itself.
  COvQuaternion getInverse() const;

  // Rotation by aa.angle about aa.axis (the axis need not be unit length; a zero axis gives
  // the identity).
  void setRotation(const COvAngleAxis& aa);
  // The rotation of COvMatrix44::setRotation(x, y, z, order): the axes in the order's
  // sequence; an order outside 0..5 leaves the quaternion unchanged.
  void setRotation(const COvEulerAngles& euler, ERotationOrder order);
  // The axis and angle in [0, 2π] of this (normalized) rotation; the identity gives axis X, 0.
  COvAngleAxis getAngleAxis() const;
  // v rotated by this quaternion (q v q*; the quaternion is assumed normalized).
  COvVector3 rotate(const COvVector3& v) const;
  // The shortest rotation turning the direction of from into the direction of to (any half
  // turn for opposite directions; the identity when either is zero).
  static COvQuaternion FromTwoVectors(const COvVector3& from, const COvVector3& to);
  // Normalized linear interpolation along the shorter way: cheaper than slerp, the same path
  // at an uneven speed.
  static COvQuaternion nlerp(const COvQuaternion& a, const COvQuaternion& b, float t);
  // Shortest-path spherical interpolation, t in [0, 1].
  static COvQuaternion slerp(const COvQuaternion& a, const COvQuaternion& b, float t);
};

// A normalized quaternion in four signed 16-bit components (value × 32767), 8 bytes.
class COvPackedQuaternion {
 public:
  int16_t x = 0, y = 0, z = 0, w = 32767;

  COvPackedQuaternion() = default;
  explicit COvPackedQuaternion(const COvQuaternion& q) { pack(q); }

  // Stores q normalized (a zero quaternion is stored as the identity).
  void pack(const COvQuaternion& q);
  COvQuaternion unpack() const;

  bool operator==(const COvPackedQuaternion& o) const { return x == o.x && y == o.y && z == o.z && w == o.w; }
  bool operator!=(const COvPackedQuaternion& o) const { return !(*this == o); }
};

static_assert(sizeof(COvQuaternion) == 16 && sizeof(COvEulerAngles) == 12 && sizeof(COvAngleAxis) == 16 &&
                  sizeof(COvPackedQuaternion) == 8,
              "rotations are stored as their bare components");
