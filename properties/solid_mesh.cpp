#include "properties/solid_mesh.h"

#include <algorithm>
#include <string>
#include <utility>

#include "properties/errors.h"

namespace velkora {
namespace {

std::string faceText(std::size_t f) { return "Fläche " + std::to_string(f); }

// Newell's normal of a polygon: twice its area times its unit normal.
Vec3 newellNormal(const std::vector<Vec3>& points, const std::vector<int>& face) {
  Vec3 n;
  for (std::size_t i = 0; i < face.size(); ++i) {
    const Vec3& p = points[static_cast<std::size_t>(face[i])];
    const Vec3& q = points[static_cast<std::size_t>(face[(i + 1) % face.size()])];
    n.x += (p.y - q.y) * (p.z + q.z);
    n.y += (p.z - q.z) * (p.x + q.x);
    n.z += (p.x - q.x) * (p.y + q.y);
  }
  return n;
}

void checkCorners(const Polyhedron& solid) {
  const int vertexCount = static_cast<int>(solid.vertices.size());
  if (vertexCount < 4 || solid.faces.size() < 4) {
    throw EDegenerateSolid("Körper mit " + std::to_string(vertexCount) + " Ecken und " +
                           std::to_string(solid.faces.size()) + " Flächen umschließt keinen Raum");
  }
  for (std::size_t f = 0; f < solid.faces.size(); ++f) {
    const auto& face = solid.faces[f];
    if (face.size() < 3) {
      throw EDegenerateSolid(faceText(f) + " hat weniger als 3 Ecken");
    }
    for (std::size_t i = 0; i < face.size(); ++i) {
      if (face[i] < 0 || face[i] >= vertexCount) {
        throw EDegenerateSolid(faceText(f) + ": Ecke " + std::to_string(face[i]) +
                               " liegt außerhalb 0 bis " + std::to_string(vertexCount - 1));
      }
      for (std::size_t j = 0; j < i; ++j) {
        if (face[j] == face[i]) {
          throw EDegenerateSolid(faceText(f) + ": Ecke " + std::to_string(face[i]) +
                                 " kommt zweimal vor");
        }
      }
    }
  }
}

// Reverses faces whose Newell normal points towards the centre.
void orientFaces(SolidMesh& mesh) {
  mesh.faceNormals.reserve(mesh.faces.size());
  for (std::size_t f = 0; f < mesh.faces.size(); ++f) {
    auto& face = mesh.faces[f];
    for (std::size_t i = 0; i < face.size(); ++i) {
      const Vec3 p = mesh.points[static_cast<std::size_t>(face[i])];
      const Vec3 q = mesh.points[static_cast<std::size_t>(face[(i + 1) % face.size()])];
      if (!(norm(q - p) > 0.0)) {
        throw EDegenerateSolid(faceText(f) + ": die Ecken " + std::to_string(face[i]) + " und " +
                               std::to_string(face[(i + 1) % face.size()]) + " liegen aufeinander");
      }
    }
    Vec3 n = newellNormal(mesh.points, face);
    Vec3 centre;
    for (const int c : face)
      centre = centre + mesh.points[static_cast<std::size_t>(c)];
    const double length = norm(n);
    const double side = dot(n, centre);
    if (!(length > 0.0) || side == 0.0) {
      throw EDegenerateSolid(faceText(f) +
                             " hat keine Fläche oder liegt in einer Ebene mit "
                             "dem Mittelpunkt");
    }
    if (side < 0.0) {
      std::reverse(face.begin() + 1, face.end());
      n = -1.0 * n;
    }
    mesh.faceNormals.push_back((1.0 / length) * n);
  }
}

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
      for (const auto& [head, other] : out[static_cast<std::size_t>(from)]) {
        if (head == to) {
          throw EDegenerateSolid("Die Kante " + std::to_string(from) + "-" + std::to_string(to) +
                                 " hat auf zwei Flächen dieselbe Richtung");
        }
      }
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
    if (mesh.heTwin[h] < 0) {
      throw EDegenerateSolid("Die Kante " + std::to_string(mesh.heFrom[h]) + "-" +
                             std::to_string(mesh.heTo[h]) + " gehört nur zu einer Fläche");
    }
  }
  mesh.valence.resize(vertexCount);
  mesh.outgoing.resize(vertexCount);
  for (std::size_t v = 0; v < vertexCount; ++v) {
    if (out[v].size() < 3) {
      throw EDegenerateSolid("Ecke " + std::to_string(v) + " liegt an weniger als 3 Kanten");
    }
    mesh.valence[v] = static_cast<int>(out[v].size());
    mesh.outgoing[v] = out[v].front().second;
  }
}

// Each vertex must be one fan: turning round it visits all its edges.
void checkFans(const SolidMesh& mesh) {
  for (std::size_t v = 0; v < mesh.points.size(); ++v) {
    const int start = mesh.outgoing[v];
    int h = start;
    int steps = 0;
    do {
      h = mesh.heTwin[static_cast<std::size_t>(mesh.hePrev[static_cast<std::size_t>(h)])];
      ++steps;
    } while (h != start && steps <= mesh.valence[v]);
    if (steps != mesh.valence[v]) {
      throw EDegenerateSolid("Die Flächen an Ecke " + std::to_string(v) +
                             " bilden keinen geschlossenen Kranz");
    }
  }
}

}  // namespace

SolidMesh buildSolidMesh(const Polyhedron& solid) {
  checkCorners(solid);
  SolidMesh mesh;
  Vec3 centre;
  for (const Point3& p : solid.vertices)
    centre = centre + Vec3{p.x, p.y, p.z};
  centre = (1.0 / static_cast<double>(solid.vertices.size())) * centre;
  mesh.points.reserve(solid.vertices.size());
  for (const Point3& p : solid.vertices)
    mesh.points.push_back(Vec3{p.x, p.y, p.z} - centre);
  mesh.faces = solid.faces;
  orientFaces(mesh);
  linkHalfEdges(mesh);
  checkFans(mesh);
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
