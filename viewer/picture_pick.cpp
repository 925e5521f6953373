#include "viewer/picture_pick.h"

#include <cmath>
#include <limits>
#include <vector>

namespace velkora {
namespace {

Vec3 vertexOf(const Model& model, int index) {
  return model.vertices[static_cast<std::size_t>(index)];
}

// The mean of the model's vertices: inside the convex solid.
Vec3 solidCentre(const Model& model) {
  Vec3 sum{};
  for (int v = 0; v < model.vertexCount; ++v)
    sum = sum + vertexOf(model, v);
  return model.vertexCount > 0 ? sum * (1.0 / model.vertexCount) : sum;
}

// The face's Newell normal, turned to point away from centre.
Vec3 outwardNormal(const Model& model, const FaceRec& face, const Vec3& centre) {
  Vec3 n{};
  Vec3 mean{};
  for (int i = 0; i < face.count; ++i) {
    const Vec3 a = vertexOf(model, face.indices[static_cast<std::size_t>(i)]);
    const Vec3 b = vertexOf(model, face.indices[static_cast<std::size_t>((i + 1) % face.count)]);
    n = n + Vec3{(a.y - b.y) * (a.z + b.z), (a.z - b.z) * (a.x + b.x), (a.x - b.x) * (a.y + b.y)};
    mean = mean + a;
  }
  mean = mean * (1.0 / face.count);
  return dot(n, mean - centre) < 0.0 ? n * -1.0 : n;
}

// Whether the face looks towards the viewer by a clear margin (not edge-on).
bool frontFacing(const Model& model, const FaceRec& face, const Vec3& centre) {
  const Vec3 n = outwardNormal(model, face, centre);
  const double length = norm(n);
  return length > 0.0 && n.z < -1e-6 * length;
}

struct Projected {
  double x;
  double y;
};

Projected project(const Vec3& p, const FrameGeometry& frame) {
  return {frame.scale * p.x + frame.width / 2, frame.scale * p.y + frame.height / 2};
}

// Whether (x, y) lies inside or on the convex projected face.
bool holds(const Model& model, const FaceRec& face, const FrameGeometry& frame, double x,
           double y) {
  int sign = 0;
  for (int i = 0; i < face.count; ++i) {
    const Projected a = project(vertexOf(model, face.indices[static_cast<std::size_t>(i)]), frame);
    const Projected b = project(
        vertexOf(model, face.indices[static_cast<std::size_t>((i + 1) % face.count)]), frame);
    const double c = (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x);
    if (c == 0.0) continue;
    const int s = c > 0.0 ? 1 : -1;
    if (sign != 0 && s != sign) return false;
    sign = s;
  }
  return true;
}

// The depth of the face's plane under (x, y), from its mean and normal.
double depthAt(const Model& model, const FaceRec& face, const FrameGeometry& frame, double x,
               double y) {
  const Vec3 n = outwardNormal(model, face, solidCentre(model));
  Vec3 mean{};
  for (int i = 0; i < face.count; ++i)
    mean = mean + vertexOf(model, face.indices[static_cast<std::size_t>(i)]);
  mean = mean * (1.0 / face.count);
  const double mx = (x - frame.width / 2) / frame.scale;
  const double my = (y - frame.height / 2) / frame.scale;
  return mean.z - (n.x * (mx - mean.x) + n.y * (my - mean.y)) / n.z;
}

}  // namespace

int frontFaceAt(const Model& model, const FrameGeometry& frame, double x, double y) {
  const Vec3 centre = solidCentre(model);
  int best = -1;
  double bestDepth = std::numeric_limits<double>::infinity();
  for (int f = 0; f < model.faceCount; ++f) {
    const FaceRec& face = model.faces[static_cast<std::size_t>(f)];
    if (face.count < 3 || !frontFacing(model, face, centre) || !holds(model, face, frame, x, y))
      continue;
    const double depth = depthAt(model, face, frame, x, y);
    if (depth < bestDepth) {
      bestDepth = depth;
      best = f;
    }
  }
  return best;
}

int frontVertexNear(const Model& model, const FrameGeometry& frame, double x, double y,
                    double reach) {
  const Vec3 centre = solidCentre(model);
  std::vector<bool> front(static_cast<std::size_t>(std::max(model.vertexCount, 0)), false);
  for (int f = 0; f < model.faceCount; ++f) {
    const FaceRec& face = model.faces[static_cast<std::size_t>(f)];
    if (face.count < 3 || !frontFacing(model, face, centre)) continue;
    for (int i = 0; i < face.count; ++i)
      front[static_cast<std::size_t>(face.indices[static_cast<std::size_t>(i)])] = true;
  }
  int best = -1;
  double bestDistance = reach;
  for (int v = 0; v < model.vertexCount; ++v) {
    if (!front[static_cast<std::size_t>(v)]) continue;
    const Projected p = project(vertexOf(model, v), frame);
    const double distance = std::hypot(p.x - x, p.y - y);
    if (distance <= bestDistance) {
      bestDistance = distance;
      best = v;
    }
  }
  return best;
}

}  // namespace velkora
