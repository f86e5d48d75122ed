// Bowyer-Watson triangulation, computed in double precision.
#include "engine/math/mesh/ovtriangledelaunay.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

struct Point {
  double x, y;
};

struct Tri {
  int v[3];
  // Circumcircle, cached.
  double cx, cy, r2;
};

double Orient(const Point& a, const Point& b, const Point& c) {
  return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

// Builds a counter-clockwise triangle with its circumcircle.
Tri MakeTri(const std::vector<Point>& pts, int a, int b, int c) {
  if (Orient(pts[a], pts[b], pts[c]) < 0.0) std::swap(b, c);
  Tri t{{a, b, c}, 0.0, 0.0, 0.0};
  const Point &p = pts[a], &q = pts[b], &r = pts[c];
  double bx = q.x - p.x, by = q.y - p.y, cx = r.x - p.x, cy = r.y - p.y;
  double d = 2.0 * (bx * cy - by * cx);
  double b2 = bx * bx + by * by, c2 = cx * cx + cy * cy;
  double ux = (cy * b2 - by * c2) / d, uy = (bx * c2 - cx * b2) / d;
  t.cx = p.x + ux, t.cy = p.y + uy, t.r2 = ux * ux + uy * uy;
  return t;
}

bool InCircumcircle(const Tri& t, const Point& p) {
  double dx = p.x - t.cx, dy = p.y - t.cy;
  return dx * dx + dy * dy < t.r2 * (1.0 - 1e-12);
}

}  // namespace

bool COvTriangleDelaunay::Triangulate(const COvVector2* points, int count) {
  m_triangles.RemoveAll();
  if (!points || count < 3) return false;

  // Distinct points, remembering their index in the caller's array.
  std::vector<Point> pts;
  std::vector<int> source;
  {
    std::vector<int> order(count);
    for (int i = 0; i < count; ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [points](int a, int b) {
      return points[a].x < points[b].x || (points[a].x == points[b].x && points[a].y < points[b].y);
    });
    for (int k = 0; k < count; ++k) {
      int i = order[k];
      if (k > 0 && points[i] == points[order[k - 1]]) continue;
      if (!std::isfinite(points[i].x) || !std::isfinite(points[i].y)) continue;
      pts.push_back({points[i].x, points[i].y});
      source.push_back(i);
    }
  }
  const int n = static_cast<int>(pts.size());
  if (n < 3) return false;
  bool collinear = true;
  for (int i = 2; i < n && collinear; ++i) collinear = Orient(pts[0], pts[1], pts[i]) == 0.0;
  if (collinear) return false;

  // A super-triangle far around every point; its corners are removed at the end.
  double minX = pts[0].x, maxX = minX, minY = pts[0].y, maxY = minY;
  for (const Point& p : pts) {
    minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
    minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
  }
  double span = std::max(maxX - minX, maxY - minY), midX = 0.5 * (minX + maxX), midY = 0.5 * (minY + maxY);
  double far = 1e5 * (span > 0.0 ? span : 1.0);
  pts.push_back({midX - far, midY - far});
  pts.push_back({midX + far, midY - far});
  pts.push_back({midX, midY + far});

  std::vector<Tri> tris{MakeTri(pts, n, n + 1, n + 2)};
  std::vector<std::pair<int, int>> edges;
  for (int i = 0; i < n; ++i) {
    const Point& p = pts[i];
    edges.clear();
    // Remove every triangle whose circumcircle holds p; keep the edges of the hole's rim.
    for (size_t k = 0; k < tris.size();) {
      if (!InCircumcircle(tris[k], p)) {
        ++k;
        continue;
      }
      for (int e = 0; e < 3; ++e) edges.emplace_back(tris[k].v[e], tris[k].v[(e + 1) % 3]);
      tris[k] = tris.back();
      tris.pop_back();
    }
    // An edge shared by two removed triangles appears in both directions: it is inside.
    for (const auto& edge : edges) {
      bool shared = false;
      for (const auto& other : edges)
        if (other.first == edge.second && other.second == edge.first) shared = true;
      if (!shared && Orient(pts[edge.first], pts[edge.second], p) != 0.0)
        tris.push_back(MakeTri(pts, edge.first, edge.second, i));
    }
  }

  for (const Tri& t : tris) {
    if (t.v[0] >= n || t.v[1] >= n || t.v[2] >= n) continue;
    m_triangles.Add(COvTriangle(source[t.v[0]], source[t.v[1]], source[t.v[2]]));
  }
  return m_triangles.GetCount() > 0;
}
