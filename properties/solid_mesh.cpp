#include "properties/solid_mesh.h"

#include <utility>

#include "base/convex_solid.h"

namespace velkora {
namespace {

// Links the half-edges of a checked solid: every edge has its twin.
void linkHalfEdges(SolidMesh& mesh) {
  const std::size_t vertexCount = mesh.points.size();
  // Outgoing half-edges of each vertex as (head, half-edge); valences are small.
  std::vector<std::vector<std::pair<int, int>>> out(vertexCount);
  for (std::size_t f = 0; f < mesh.faces.size(); ++f) {
    const auto& face = mesh.faces[f];
    const int first = static_cast<int>(mesh.heFrom.size());
    const int n = static_cast<int>(face.size());
    for (int i = 0; i < n; ++i) {
      const int from = face[static_cast<std::size_t>(i)];
      const int to = face[static_cast<std::size_t>((i + 1) % n)];
      const int h = first + i;
      out[static_cast<std::size_t>(from)].push_back({to, h});
      mesh.heFrom.push_back(from);
      mesh.heTo.push_back(to);
      mesh.heFace.push_back(static_cast<int>(f));
      mesh.heNext.push_back(first + (i + 1) % n);
      mesh.hePrev.push_back(first + (i + n - 1) % n);
    }
  }
  mesh.heTwin.assign(mesh.heFrom.size(), -1);
  for (std::size_t h = 0; h < mesh.heFrom.size(); ++h) {
    for (const auto& [head, other] : out[static_cast<std::size_t>(mesh.heTo[h])]) {
      if (head == mesh.heFrom[h]) mesh.heTwin[h] = other;
    }
  }
  mesh.valence.resize(vertexCount);
  mesh.outgoing.resize(vertexCount);
  for (std::size_t v = 0; v < vertexCount; ++v) {
    mesh.valence[v] = static_cast<int>(out[v].size());
    mesh.outgoing[v] = out[v].front().second;
  }
}

}  // namespace

SolidMesh buildSolidMesh(const Polyhedron& solid) {
  ConvexSolid checked = checkConvexSolid(solid.vertices, solid.faces);
  SolidMesh mesh;
  mesh.points.reserve(solid.vertices.size());
  for (const Vec3& p : solid.vertices)
    mesh.points.push_back(p - checked.centre);
  mesh.faces = std::move(checked.faces);
  mesh.faceNormals = std::move(checked.normals);
  linkHalfEdges(mesh);
  return mesh;
}

void faceSizesAround(const SolidMesh& mesh, int v, std::vector<int>& sizes) {
  sizes.clear();
  const int start = mesh.outgoing[static_cast<std::size_t>(v)];
  int h = start;
  do {
    sizes.push_back(static_cast<int>(
        mesh.faces[static_cast<std::size_t>(mesh.heFace[static_cast<std::size_t>(h)])].size()));
    h = mesh.heTwin[static_cast<std::size_t>(mesh.hePrev[static_cast<std::size_t>(h)])];
  } while (h != start);
}

}  // namespace velkora
