// Camera, axis-rotation, reflection and rigid-inverse matrices of COvMatrix44, in the
// row-vector arrangement (depth in [0, 1]), and the rotation read back as a quaternion.
#include <cmath>

#include "engine/math/ovmathutil.h"
#include "engine/math/ovmatrix.h"

namespace {

// Shepperd's method on the column-vector rotation r(i, j), picking the largest diagonal term
// so that the square root never sees a small or negative value.
template <typename R>
COvQuaternion QuaternionFromRotation(R r) {
  float trace = r(0, 0) + r(1, 1) + r(2, 2);
  COvQuaternion q;
  if (trace > 0.0f) {
    float s = 2.0f * std::sqrt(trace + 1.0f);
    q = COvQuaternion((r(2, 1) - r(1, 2)) / s, (r(0, 2) - r(2, 0)) / s, (r(1, 0) - r(0, 1)) / s, 0.25f * s);
  } else if (r(0, 0) > r(1, 1) && r(0, 0) > r(2, 2)) {
    float s = 2.0f * std::sqrt(1.0f + r(0, 0) - r(1, 1) - r(2, 2));
    q = COvQuaternion(0.25f * s, (r(0, 1) + r(1, 0)) / s, (r(0, 2) + r(2, 0)) / s, (r(2, 1) - r(1, 2)) / s);
  } else if (r(1, 1) > r(2, 2)) {
    float s = 2.0f * std::sqrt(1.0f + r(1, 1) - r(0, 0) - r(2, 2));
    q = COvQuaternion((r(0, 1) + r(1, 0)) / s, 0.25f * s, (r(1, 2) + r(2, 1)) / s, (r(0, 2) - r(2, 0)) / s);
  } else {
    float s = 2.0f * std::sqrt(1.0f + r(2, 2) - r(0, 0) - r(1, 1));
    q = COvQuaternion((r(0, 2) + r(2, 0)) / s, (r(1, 2) + r(2, 1)) / s, 0.25f * s, (r(1, 0) - r(0, 1)) / s);
  }
  q.normalize();
  return q;
}

// Fills m from rows of four values.
void SetRows(COvMatrix44& m, const float (&e)[16]) { m = COvMatrix44(e); }

// The projection of a view volume [l, r] × [b, t] at depth n; sign is +1 for a left-handed
// system (looking down +Z) and -1 for a right-handed one.
bool Perspective(COvMatrix44& m, float l, float r, float b, float t, float n, float f, float sign) {
  if (r == l || t == b || n <= 0.0f || f <= 0.0f || n == f) return false;
  float q = f / (f - n);
  const float e[16] = {2.0f * n / (r - l),
                       0.0f,
                       0.0f,
                       0.0f,
                       0.0f,
                       2.0f * n / (t - b),
                       0.0f,
                       0.0f,
                       sign * (l + r) / (l - r),
                       sign * (t + b) / (b - t),
                       sign * q,
                       sign,
                       0.0f,
                       0.0f,
                       -n * q,
                       0.0f};
  SetRows(m, e);
  return true;
}

bool Ortho(COvMatrix44& m, float l, float r, float b, float t, float n, float f, float sign) {
  if (r == l || t == b || n == f) return false;
  const float e[16] = {2.0f / (r - l), 0.0f, 0.0f, 0.0f,           0.0f, 2.0f / (t - b),    0.0f,
                       0.0f,           0.0f, 0.0f, sign / (f - n), 0.0f, (l + r) / (l - r), (t + b) / (b - t),
                       n / (n - f),    1.0f};
  SetRows(m, e);
  return true;
}

// The view matrix whose camera axes are x, y and z (z the direction mapped onto +Z).
bool LookAlong(COvMatrix44& m, const COvVector3& eye, COvVector3 z, const COvVector3& up) {
  if (z.normalize() <= kOvEpsilon) return false;
  COvVector3 x = up.cross(z);
  if (x.normalize() <= kOvEpsilon) return false;
  COvVector3 y = z.cross(x);
  const float e[16] = {x.x, y.x, z.x, 0.0f, x.y,         y.y,         z.y,         0.0f,
                       x.z, y.z, z.z, 0.0f, -x.dot(eye), -y.dot(eye), -z.dot(eye), 1.0f};
  SetRows(m, e);
  return true;
}

bool FovExtent(float fovY, float aspect, float n, float& halfW, float& halfH) {
  if (!(fovY > 0.0f && fovY < kOvPi) || aspect == 0.0f) return false;
  halfH = n * std::tan(0.5f * fovY);
  halfW = halfH * aspect;
  return true;
}

}  // namespace

COvQuaternion COvMatrix33::getRotation() const {
  // The stored block rotates row vectors; the column-vector rotation is its transpose.
  return QuaternionFromRotation([this](int i, int j) { return m[3 * j + i]; });
}

COvQuaternion COvMatrix44::getRotation() const {
  return QuaternionFromRotation([this](int i, int j) { return m[4 * j + i]; });
}

bool COvMatrix44::makePerspectiveFovLH(float fovY, float aspect, float zNear, float zFar) {
  float w, h;
  return FovExtent(fovY, aspect, zNear, w, h) && Perspective(*this, -w, w, -h, h, zNear, zFar, 1.0f);
}

bool COvMatrix44::makePerspectiveFovRH(float fovY, float aspect, float zNear, float zFar) {
  float w, h;
  return FovExtent(fovY, aspect, zNear, w, h) && Perspective(*this, -w, w, -h, h, zNear, zFar, -1.0f);
}

bool COvMatrix44::makePerspectiveLH(float width, float height, float zNear, float zFar) {
  return Perspective(*this, -0.5f * width, 0.5f * width, -0.5f * height, 0.5f * height, zNear, zFar, 1.0f);
}

bool COvMatrix44::makePerspectiveRH(float width, float height, float zNear, float zFar) {
  return Perspective(*this, -0.5f * width, 0.5f * width, -0.5f * height, 0.5f * height, zNear, zFar, -1.0f);
}

bool COvMatrix44::makeOrthoLH(float width, float height, float zNear, float zFar) {
  return Ortho(*this, -0.5f * width, 0.5f * width, -0.5f * height, 0.5f * height, zNear, zFar, 1.0f);
}

bool COvMatrix44::makeOrthoRH(float width, float height, float zNear, float zFar) {
  return Ortho(*this, -0.5f * width, 0.5f * width, -0.5f * height, 0.5f * height, zNear, zFar, -1.0f);
}

bool COvMatrix44::makeOrthoOffCenterLH(float left, float right, float bottom, float top, float zNear,
                                       float zFar) {
  return Ortho(*this, left, right, bottom, top, zNear, zFar, 1.0f);
}

bool COvMatrix44::makeOrthoOffCenterRH(float left, float right, float bottom, float top, float zNear,
                                       float zFar) {
  return Ortho(*this, left, right, bottom, top, zNear, zFar, -1.0f);
}

void COvMatrix44::makeRotationAxis(const COvVector3& axis, float angle) {
  setRotation(COvQuaternion(COvAngleAxis(axis, angle)), true);
}

bool COvMatrix44::makeReflection(const COvVector3& normal, float d) {
  float nn = normal.lengthSquared();
  if (nn <= kOvEpsilon * kOvEpsilon) return false;
  // p' = p − 2 (n · p + d) n / |n|²: symmetric, so rows and columns agree.
  makeIdentity();
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) m[4 * i + j] -= 2.0f * normal[i] * normal[j] / nn;
    m[12 + i] = -2.0f * d * normal[i] / nn;
  }
  return true;
}

COvMatrix44 COvMatrix44::getRigidInverse() const {
  COvMatrix44 r;
  r.setMatrix33(getMatrix33().getTransposed());
  r.setTranslation(-r.transformVector(getTranslation()));
  return r;
}

bool COvMatrix44::makeLookAtLH(const COvVector3& eye, const COvVector3& at, const COvVector3& up) {
  return LookAlong(*this, eye, at - eye, up);
}

bool COvMatrix44::makeLookAtRH(const COvVector3& eye, const COvVector3& at, const COvVector3& up) {
  return LookAlong(*this, eye, eye - at, up);
}
