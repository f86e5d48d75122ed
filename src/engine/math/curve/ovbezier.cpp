// Cubic Bézier evaluation through the Bernstein basis and its derivatives.
#include "engine/math/curve/ovbezier.h"

#include <cmath>

#include "engine/math/ovmathutil.h"

namespace {

void Bernstein(float t, float b[4]) {
  float s = 1.0f - t;
  b[0] = s * s * s, b[1] = 3.0f * s * s * t, b[2] = 3.0f * s * t * t, b[3] = t * t * t;
}

// Derivative of the basis: 3 × the quadratic basis on the point differences.
void BernsteinDerivative(float t, float b[4]) {
  float s = 1.0f - t;
  b[0] = -3.0f * s * s, b[1] = 3.0f * s * s - 6.0f * s * t, b[2] = 6.0f * s * t - 3.0f * t * t,
  b[3] = 3.0f * t * t;
}

COvVector3 Weighted(const COvVector3* p, int stride, const float b[4]) {
  return p[0] * b[0] + p[stride] * b[1] + p[2 * stride] * b[2] + p[3 * stride] * b[3];
}

}  // namespace

bool COvBezierCurve::operator==(const COvBezierCurve& o) const {
  return p[0] == o.p[0] && p[1] == o.p[1] && p[2] == o.p[2] && p[3] == o.p[3];
}

COvVector3 COvBezierCurve::getPoint(float t) const {
  float b[4];
  Bernstein(t, b);
  return Weighted(p, 1, b);
}

COvVector3 COvBezierCurve::getTangent(float t) const {
  float b[4];
  BernsteinDerivative(t, b);
  return Weighted(p, 1, b);
}

COvVector3 COvBezierCurve::getSecondDerivative(float t) const {
  return ((p[2] - p[1] * 2.0f + p[0]) * (1.0f - t) + (p[3] - p[2] * 2.0f + p[1]) * t) * 6.0f;
}

void COvBezierCurve::split(float t, COvBezierCurve& left, COvBezierCurve& right) const {
  COvVector3 a = OvLerp(p[0], p[1], t), b = OvLerp(p[1], p[2], t), c = OvLerp(p[2], p[3], t);
  COvVector3 ab = OvLerp(a, b, t), bc = OvLerp(b, c, t), mid = OvLerp(ab, bc, t);
  COvBezierCurve l(p[0], a, ab, mid), r(mid, bc, c, p[3]);
  left = l, right = r;
}

float COvBezierCurve::getLength(int segments) const {
  if (segments < 1) segments = 1;
  float length = 0.0f;
  COvVector3 prev = p[0];
  for (int i = 1; i <= segments; ++i) {
    COvVector3 next = getPoint(static_cast<float>(i) / segments);
    length += (next - prev).length();
    prev = next;
  }
  return length;
}

float COvBezierCurve::getClosestParameter(const COvVector3& point, int samples) const {
  if (samples < 1) samples = 1;
  float best = 0.0f, bestDist = (p[0] - point).lengthSquared();
  for (int i = 1; i <= samples; ++i) {
    float t = static_cast<float>(i) / samples, dist = (getPoint(t) - point).lengthSquared();
    if (dist < bestDist) best = t, bestDist = dist;
  }
  for (int step = 0; step < 8; ++step) {
    COvVector3 d = getPoint(best) - point, d1 = getTangent(best), d2 = getSecondDerivative(best);
    float slope = d1.dot(d1) + d.dot(d2);
    if (slope <= 0.0f) break;  // not a minimum nearby: keep the sample
    float next = OvClamp(best - d.dot(d1) / slope, 0.0f, 1.0f);
    if ((getPoint(next) - point).lengthSquared() > bestDist) break;
    best = next, bestDist = (getPoint(next) - point).lengthSquared();
  }
  return best;
}

void COvBezierCurve::getCoefficients(COvVector3 c[4]) const {
  c[0] = p[0];
  c[1] = (p[1] - p[0]) * 3.0f;
  c[2] = (p[0] - p[1] * 2.0f + p[2]) * 3.0f;
  c[3] = p[3] - p[0] + (p[1] - p[2]) * 3.0f;
}

COvAABB3 COvBezierCurve::getAABB() const {
  COvAABB3 box(p[0], p[0]);
  box.extend(p[3]);
  // Per axis, the extremes inside (0, 1) are the roots of the derivative 3 c3 t² + 2 c2 t + c1.
  COvVector3 c[4];
  getCoefficients(c);
  for (int i = 0; i < 3; ++i) {
    float a = 3.0f * c[3][i], b = 2.0f * c[2][i], k = c[1][i];
    float roots[2];
    int count = 0;
    if (std::fabs(a) <= kOvEpsilon * (std::fabs(b) + std::fabs(k))) {
      if (b != 0.0f) roots[count++] = -k / b;
    } else {
      float disc = b * b - 4.0f * a * k;
      if (disc >= 0.0f) {
        float s = std::sqrt(disc);
        roots[count++] = (-b + s) / (2.0f * a);
        roots[count++] = (-b - s) / (2.0f * a);
      }
    }
    for (int r = 0; r < count; ++r)
      if (roots[r] > 0.0f && roots[r] < 1.0f) box.extend(getPoint(roots[r]));
  }
  return box;
}

COvBezierPatch COvBezierPatch::MakeFlat() {
  COvBezierPatch patch;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) patch.p[i][j] = COvVector3(i / 3.0f, j / 3.0f, 0.0f);
  return patch;
}

COvBezierCurve COvBezierPatch::getCurveU(float v) const {
  float b[4];
  Bernstein(v, b);
  COvBezierCurve curve;
  for (int i = 0; i < 4; ++i) curve.p[i] = Weighted(p[i], 1, b);
  return curve;
}

COvVector3 COvBezierPatch::getPoint(float u, float v) const { return getCurveU(v).getPoint(u); }

COvVector3 COvBezierPatch::getTangentU(float u, float v) const { return getCurveU(v).getTangent(u); }

COvVector3 COvBezierPatch::getTangentV(float u, float v) const {
  float bu[4], dv[4];
  Bernstein(u, bu);
  BernsteinDerivative(v, dv);
  COvVector3 r;
  for (int j = 0; j < 4; ++j) r += Weighted(&p[0][j], 4, bu) * dv[j];
  return r;
}

COvVector3 COvBezierPatch::getNormal(float u, float v) const {
  return getTangentU(u, v).cross(getTangentV(u, v)).getNormalized();
}
