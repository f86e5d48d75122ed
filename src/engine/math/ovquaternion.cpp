// Quaternion, angle-axis and packed-quaternion conversions.
#include "engine/math/ovquaternion.h"

#include <cmath>

bool COvQuaternion::equals(const COvQuaternion& o, float epsilon) const {
  return std::fabs(x - o.x) <= epsilon && std::fabs(y - o.y) <= epsilon && std::fabs(z - o.z) <= epsilon &&
         std::fabs(w - o.w) <= epsilon;
}

float COvQuaternion::length() const { return std::sqrt(lengthSquared()); }

float COvQuaternion::normalize() {
  float len = length();
  if (len > 0.0f) {
    x /= len, y /= len, z /= len, w /= len;
  }
  return len;
}

COvQuaternion COvQuaternion::getInverse() const {
  float n = lengthSquared();
  if (n == 0.0f) return *this;
  return COvQuaternion(-x / n, -y / n, -z / n, w / n);
}

void COvQuaternion::setRotation(const COvAngleAxis& aa) {
  float len = aa.axis.length();
  if (len == 0.0f) {
    makeIdentity();
    return;
  }
  float s = std::sin(aa.angle * 0.5f) / len;
  x = aa.axis.x * s, y = aa.axis.y * s, z = aa.axis.z * s;
  w = std::cos(aa.angle * 0.5f);
}

void COvQuaternion::setRotation(const COvEulerAngles& euler, ERotationOrder order) {
  static const int kAxes[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
  int index = static_cast<int>(order);
  if (index < 0 || index >= 6) return;
  COvQuaternion q;
  for (int axis : kAxes[index]) {
    COvVector3 unit(axis == 0 ? 1.0f : 0.0f, axis == 1 ? 1.0f : 0.0f, axis == 2 ? 1.0f : 0.0f);
    // Each later rotation applies after the ones before: it multiplies on the left.
    q = COvQuaternion(COvAngleAxis(unit, euler[axis])) * q;
  }
  *this = q;
}

COvAngleAxis COvQuaternion::getAngleAxis() const {
  float s = std::sqrt(x * x + y * y + z * z);
  if (s == 0.0f) return COvAngleAxis();
  float c = w < -1.0f ? -1.0f : (w > 1.0f ? 1.0f : w);
  return COvAngleAxis(COvVector3(x / s, y / s, z / s), 2.0f * std::acos(c));
}

COvVector3 COvQuaternion::rotate(const COvVector3& v) const {
  // v + 2w (u × v) + 2 u × (u × v), with u the vector part: q v q* without building quaternions.
  COvVector3 u(x, y, z);
  COvVector3 t = u.cross(v) * 2.0f;
  return v + t * w + u.cross(t);
}

COvQuaternion COvQuaternion::FromTwoVectors(const COvVector3& from, const COvVector3& to) {
  COvVector3 a = from.getNormalized(), b = to.getNormalized();
  if (a.lengthSquared() == 0.0f || b.lengthSquared() == 0.0f) return COvQuaternion();
  float c = a.dot(b);
  if (c < -1.0f + 1e-6f) {
    // Opposite: half a turn about any axis perpendicular to a.
    COvVector3 axis = a.cross(std::fabs(a.x) < 0.9f ? COvVector3(1, 0, 0) : COvVector3(0, 1, 0));
    return COvQuaternion(COvAngleAxis(axis, 3.14159265358979f));
  }
  // The half-angle quaternion (a × b, 1 + a · b), normalized.
  COvVector3 axis = a.cross(b);
  COvQuaternion q(axis.x, axis.y, axis.z, 1.0f + c);
  q.normalize();
  return q;
}

COvQuaternion COvQuaternion::nlerp(const COvQuaternion& a, const COvQuaternion& b, float t) {
  float sign = a.dot(b) < 0.0f ? -1.0f : 1.0f;
  COvQuaternion r(a.x + (sign * b.x - a.x) * t, a.y + (sign * b.y - a.y) * t, a.z + (sign * b.z - a.z) * t,
                  a.w + (sign * b.w - a.w) * t);
  r.normalize();
  return r;
}

COvQuaternion COvQuaternion::slerp(const COvQuaternion& a, const COvQuaternion& b, float t) {
  COvQuaternion to = b;
  float c = a.dot(b);
  if (c < 0.0f) {
    c = -c;
    to = COvQuaternion(-b.x, -b.y, -b.z, -b.w);
  }
  float ka = 1.0f - t, kb = t;
  // Nearly parallel: the sine below vanishes, a linear blend is exact enough.
  if (c < 0.9995f) {
    float angle = std::acos(c);
    float s = std::sin(angle);
    ka = std::sin((1.0f - t) * angle) / s;
    kb = std::sin(t * angle) / s;
  }
  COvQuaternion r(ka * a.x + kb * to.x, ka * a.y + kb * to.y, ka * a.z + kb * to.z, ka * a.w + kb * to.w);
  r.normalize();
  return r;
}

namespace {
int16_t PackComponent(float v) {
  float s = std::round(v * 32767.0f);
  if (s > 32767.0f) s = 32767.0f;
  if (s < -32767.0f) s = -32767.0f;
  return static_cast<int16_t>(s);
}
}  // namespace

void COvPackedQuaternion::pack(const COvQuaternion& q) {
  COvQuaternion n = q;
  if (n.normalize() == 0.0f) n.makeIdentity();
  x = PackComponent(n.x), y = PackComponent(n.y), z = PackComponent(n.z), w = PackComponent(n.w);
}

COvQuaternion COvPackedQuaternion::unpack() const {
  return COvQuaternion(x / 32767.0f, y / 32767.0f, z / 32767.0f, w / 32767.0f);
}
