// Cubic Bézier shapes: COvBezierCurve, four control points p[0..3] with the curve from p[0]
// (t = 0) to p[3] (t = 1), and COvBezierPatch, the bicubic surface of sixteen control points
// p[i][j] (i along u, j along v) through its four corners.
#pragma once

#include "engine/math/ovvector.h"
#include "engine/math/shape/ovaabb.h"

class COvBezierCurve {
 public:
  COvVector3 p[4];

  COvBezierCurve() = default;
  COvBezierCurve(const COvVector3& p0, const COvVector3& p1, const COvVector3& p2, const COvVector3& p3) {
    p[0] = p0, p[1] = p1, p[2] = p2, p[3] = p3;
  }

  bool operator==(const COvBezierCurve& o) const;
  bool operator!=(const COvBezierCurve& o) const { return !(*this == o); }

  COvVector3 getPoint(float t) const;
  // First and second derivatives with respect to t.
  COvVector3 getTangent(float t) const;
  COvVector3 getSecondDerivative(float t) const;
  // The two halves at t: left runs over [0, t], right over [t, 1], each reparametrized to [0, 1].
  void split(float t, COvBezierCurve& left, COvBezierCurve& right) const;
  // Length of the polyline through segments + 1 evenly spaced points (at least one segment).
  float getLength(int segments = 32) const;
  // The parameter in [0, 1] of the curve point nearest to point: the best of `samples` even
  // samples, refined by Newton steps on (B(t) − point) · B'(t).
  float getClosestParameter(const COvVector3& point, int samples = 16) const;
  // The tight box of the curve (not of its control points).
  COvAABB3 getAABB() const;
  // Polynomial coefficients: getPoint(t) = ((c[3] t + c[2]) t + c[1]) t + c[0].
  void getCoefficients(COvVector3 c[4]) const;
};

class COvBezierPatch {
 public:
  COvVector3 p[4][4];

  COvBezierPatch() = default;
  // A flat patch over the square [0, 1]² at z = 0.
  static COvBezierPatch MakeFlat();

  COvVector3 getPoint(float u, float v) const;
  COvVector3 getTangentU(float u, float v) const;
  COvVector3 getTangentV(float u, float v) const;
  // Unit normal tangentU × tangentV; zero where the patch degenerates.
  COvVector3 getNormal(float u, float v) const;
  // The control points of the curve at fixed v (running along u).
  COvBezierCurve getCurveU(float v) const;
};
