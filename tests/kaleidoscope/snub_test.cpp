// The snub: the hull of the point's copies under the rotations alone. Its
// copies number 12, 24 or 60; at its stop it is the catalogue's icosahedron,
// snub cube or snub dodecahedron (measured by the catalogue's own vertices:
// the sorted distances between every two vertices, and the hand), every edge
// equally long; its mirror form is the point reflection of it; on a side of
// the triangle it is the reflections' solid.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "base/convex_solid.h"
#include "kaleidoscope/kaleidoscope_solid.h"
#include "kaleidoscope/wythoff.h"
#include "tests/support/embedded_catalogue.h"

namespace velkora {
namespace {

constexpr WythoffFamily kSnubFamilies[] = {WythoffFamily::T, WythoffFamily::O, WythoffFamily::I};

std::string letter(WythoffFamily family) { return std::string(1, wythoffLetter(family)); }

// The catalogue's solid of a German name.
const Solid& catalogueSolid(const std::string& name) {
  for (const Solid& solid : test::embeddedSolids()) {
    if (solid.name == name) return solid;
  }
  throw std::runtime_error("no solid " + name);
}

// The snub's stop in the catalogue, by family.
const Solid& snubOfCatalogue(WythoffFamily family) {
  switch (family) {
    case WythoffFamily::T:
      return catalogueSolid("Ikosaeder");
    case WythoffFamily::O:
      return catalogueSolid("Abgeschrägtes Hexaeder");
    case WythoffFamily::I:
      break;
  }
  return catalogueSolid("Abgeschrägtes Dodekaeder");
}

// The vertices moved so that their mean is the origin and scaled so that
// the farthest lies at 1.
std::vector<Vec3> normalisedVertices(const std::vector<Vec3>& vertices) {
  Vec3 mean;
  for (const Vec3& v : vertices)
    mean = mean + v;
  mean = mean / static_cast<double>(vertices.size());
  double reach = 0.0;
  for (const Vec3& v : vertices)
    reach = std::max(reach, norm(v - mean));
  std::vector<Vec3> moved;
  for (const Vec3& v : vertices)
    moved.push_back((v - mean) / reach);
  return moved;
}

// Every distance between two vertices, ascending, of the normalised solid.
std::vector<double> sortedDistances(const std::vector<Vec3>& vertices) {
  const std::vector<Vec3> v = normalisedVertices(vertices);
  std::vector<double> distances;
  for (std::size_t i = 0; i < v.size(); ++i) {
    for (std::size_t j = i + 1; j < v.size(); ++j)
      distances.push_back(norm(v[i] - v[j]));
  }
  std::sort(distances.begin(), distances.end());
  return distances;
}

void expectSameDistances(const std::vector<Vec3>& got, const std::vector<Vec3>& wanted,
                         double tolerance, const std::string& where) {
  const std::vector<double> x = sortedDistances(got);
  const std::vector<double> y = sortedDistances(wanted);
  ASSERT_EQ(x.size(), y.size()) << where;
  double worst = 0.0;
  for (std::size_t k = 0; k < x.size(); ++k)
    worst = std::max(worst, std::fabs(x[k] - y[k]));
  EXPECT_LT(worst, tolerance) << where;
}

// The hand of a snub cube or dodecahedron (+1 or -1, reflections swap
// them), read from its faces and vertices: at each vertex v one square or
// pentagon and four triangles meet; of the three edges at v off that face,
// two belong to a triangle that borders no square or pentagon, and the third
// (the lone one, between two triangles that each do) runs to a vertex b to
// the left or the right of the big face's centre c, seen from outside: the
// sign of v . (c x b). 0 for a solid with no big face or no lone edges.
int hand(const Polyhedron& solid) {
  const std::vector<Vec3> v = normalisedVertices(solid.vertices);
  std::map<std::pair<int, int>, std::vector<std::size_t>> facesOfEdge;
  for (std::size_t f = 0; f < solid.faces.size(); ++f) {
    const std::vector<int>& face = solid.faces[f];
    for (std::size_t k = 0; k < face.size(); ++k) {
      const int a = face[k];
      const int b = face[(k + 1) % face.size()];
      facesOfEdge[{std::min(a, b), std::max(a, b)}].push_back(f);
    }
  }
  const auto big = [&](std::size_t f) { return solid.faces[f].size() > 3; };
  // A triangle with an edge on a big face.
  const auto bordersBig = [&](std::size_t f) {
    const std::vector<int>& face = solid.faces[f];
    for (std::size_t k = 0; k < face.size(); ++k) {
      const int a = face[k];
      const int b = face[(k + 1) % face.size()];
      for (const std::size_t other : facesOfEdge.at({std::min(a, b), std::max(a, b)})) {
        if (other != f && big(other)) return true;
      }
    }
    return false;
  };
  int sum = 0;
  int votes = 0;
  for (const auto& [edge, faces] : facesOfEdge) {
    if (faces.size() != 2 || big(faces[0]) || big(faces[1])) continue;
    if (!bordersBig(faces[0]) || !bordersBig(faces[1])) continue;
    // A lone edge: a vote from each of its ends.
    for (const auto& [from, to] : {std::pair{edge.first, edge.second}, {edge.second, edge.first}}) {
      for (std::size_t f = 0; f < solid.faces.size(); ++f) {
        const std::vector<int>& face = solid.faces[f];
        if (!big(f) || std::find(face.begin(), face.end(), from) == face.end()) continue;
        Vec3 centre;
        for (const int corner : face)
          centre = centre + v[static_cast<std::size_t>(corner)];
        const double side =
            dot(v[static_cast<std::size_t>(from)], cross(centre, v[static_cast<std::size_t>(to)]));
        sum += side > 0.0 ? 1 : -1;
        ++votes;
      }
    }
  }
  if (votes != static_cast<int>(v.size()) || std::abs(sum) != votes) return 0;
  return sum > 0 ? 1 : -1;
}

// The edges' lengths of a hull (each edge once).
std::vector<double> edgeLengths(const Polyhedron& solid) {
  std::vector<double> lengths;
  for (const std::vector<int>& face : solid.faces) {
    for (std::size_t k = 0; k < face.size(); ++k) {
      const int a = face[k];
      const int b = face[(k + 1) % face.size()];
      if (a < b) {
        lengths.push_back(norm(solid.vertices[static_cast<std::size_t>(a)] -
                               solid.vertices[static_cast<std::size_t>(b)]));
      }
    }
  }
  return lengths;
}

void expectSoundSnub(const Polyhedron& p, const std::string& where) {
  ConvexSolid checked;
  std::string problem;
  const std::vector<std::span<const int>> faces(p.faces.begin(), p.faces.end());
  ASSERT_TRUE(tryConvexSolid(p.vertices, faces, 1e-9, checked, problem)) << where << problem;
  EXPECT_EQ(
      static_cast<int>(p.vertices.size()) - checked.edgeCount + static_cast<int>(p.faces.size()), 2)
      << where;
  for (const Vec3& v : p.vertices)
    EXPECT_NEAR(norm(v), 1.0, 1e-12) << where;
}

TEST(Snub, TheRotationsAloneMakeHalfTheCopies) {
  const std::map<WythoffFamily, std::size_t> rotations = {
      {WythoffFamily::T, 12}, {WythoffFamily::O, 24}, {WythoffFamily::I, 60}};
  for (const WythoffFamily family : kSnubFamilies) {
    const Kaleidoscope kaleidoscope(family);
    const WythoffWeights inside{0.2, 0.3, 0.5};
    const Vec3 point = kaleidoscope.generator(inside);
    EXPECT_EQ(kaleidoscope.rotationOrbit(point).size(), rotations.at(family)) << letter(family);
    EXPECT_EQ(kaleidoscope.orbit(point).size(), 2 * rotations.at(family)) << letter(family);
    for (const WythoffCopies copies :
         {WythoffCopies::Rotations, WythoffCopies::MirroredRotations}) {
      const Polyhedron snub = kaleidoscope.solid(inside, copies);
      EXPECT_EQ(snub.vertices.size(), rotations.at(family)) << letter(family);
      expectSoundSnub(snub, letter(family));
      // Every vertex has five edges: the faces about A, B and C, two
      // triangles between (the half turn about B of T and O leaves one).
      std::map<int, int> edgesAt;
      for (const auto& face : snub.faces) {
        for (const int corner : face)
          ++edgesAt[corner];
      }
      for (const auto& [vertex, faces] : edgesAt)
        EXPECT_EQ(faces, 5) << letter(family) << " vertex " << vertex;
    }
  }
}

TEST(Snub, ItsStopIsTheCatalogueSolidWithItsHand) {
  for (const WythoffFamily family : kSnubFamilies) {
    const Kaleidoscope kaleidoscope(family);
    const WythoffWeights stop = kaleidoscope.snubWeights();
    const std::string where = letter(family);
    EXPECT_GT(std::min({stop.a, stop.b, stop.c}), 0.01) << where << ": inside the triangle";
    EXPECT_NEAR(stop.a + stop.b + stop.c, 1.0, 1e-12) << where;

    const Polyhedron snub = kaleidoscope.solid(stop, WythoffCopies::Rotations);
    expectSoundSnub(snub, where);
    const std::vector<double> lengths = edgeLengths(snub);
    const auto [shortest, longest] = std::minmax_element(lengths.begin(), lengths.end());
    EXPECT_LT(*longest - *shortest, 1e-9 * *longest) << where << ": every edge as long";

    const Solid& wanted = snubOfCatalogue(family);
    expectSameDistances(snub.vertices, wanted.geometry.vertices, 1e-5, where);
    if (family == WythoffFamily::T) continue;  // the icosahedron has no hand
    const int theirs = hand(wanted.geometry);
    ASSERT_NE(theirs, 0) << where << ": every vertex of the catalogue's snub tells its hand";
    EXPECT_EQ(hand(snub), theirs) << where << ": the catalogue's hand";
    const Polyhedron mirrored = kaleidoscope.solid(stop, WythoffCopies::MirroredRotations);
    expectSameDistances(mirrored.vertices, wanted.geometry.vertices, 1e-5, where);
    EXPECT_EQ(hand(mirrored), -theirs) << where << ": the other hand";
  }
}

TEST(Snub, TheStopsNameTheSnubAndKeepTheSidesSolids) {
  for (const WythoffFamily family : kSnubFamilies) {
    const Kaleidoscope kaleidoscope(family);
    const std::string where = letter(family);
    const auto plain = kaleidoscopeStops(kaleidoscope, test::embeddedSolids());
    for (const WythoffCopies copies :
         {WythoffCopies::Rotations, WythoffCopies::MirroredRotations}) {
      const auto stops = kaleidoscopeStops(kaleidoscope, test::embeddedSolids(), copies);
      ASSERT_EQ(stops.size(), 7u) << where;
      ASSERT_EQ(plain.size(), 7u) << where;
      // The corners and sides: the reflections' stops.
      for (std::size_t k = 0; k < 6; ++k) {
        EXPECT_EQ(stops[k].name, plain[k].name) << where;
        EXPECT_NEAR(stops[k].weights.a, plain[k].weights.a, 1e-12) << where;
        EXPECT_NEAR(stops[k].weights.c, plain[k].weights.c, 1e-12) << where;
      }
      EXPECT_EQ(stops[6].name, snubOfCatalogue(family).name) << where;
      EXPECT_EQ(stops[6].position, snubOfCatalogue(family).position) << where;
      EXPECT_EQ(kaleidoscopeSolid(kaleidoscope, stops[6].weights, stops, copies).name,
                snubOfCatalogue(family).name)
          << where;
    }
  }
}

TEST(Snub, TheMirrorFormIsThePointReflection) {
  // The point reflection x -> -x is a reflection of each family O and I
  // followed by a rotation of it: the mirror form's vertices are the snub's
  // through the centre.
  for (const WythoffFamily family : {WythoffFamily::O, WythoffFamily::I}) {
    const Kaleidoscope kaleidoscope(family);
    for (const WythoffWeights weights :
         {WythoffWeights{0.2, 0.3, 0.5}, kaleidoscope.snubWeights()}) {
      const Polyhedron snub = kaleidoscope.solid(weights, WythoffCopies::Rotations);
      const Polyhedron mirrored = kaleidoscope.solid(weights, WythoffCopies::MirroredRotations);
      ASSERT_EQ(snub.vertices.size(), mirrored.vertices.size());
      for (const Vec3& v : snub.vertices) {
        EXPECT_TRUE(std::any_of(mirrored.vertices.begin(), mirrored.vertices.end(), [&](Vec3 w) {
          return norm(w + v) < 1e-12;
        })) << letter(family);
      }
      EXPECT_FALSE(std::any_of(mirrored.vertices.begin(), mirrored.vertices.end(),
                               [&](Vec3 w) { return norm(w - snub.vertices[0]) < 1e-6; }))
          << letter(family) << ": the mirror form is another solid";
    }
  }
}

TEST(Snub, OnASideOrACornerItIsTheReflectionsSolid) {
  // A point on a mirror is its own mirror image: the rotations copy it as often as the group does.
  for (const WythoffFamily family : kSnubFamilies) {
    const Kaleidoscope kaleidoscope(family);
    for (const WythoffWeights weights :
         {WythoffWeights{0.4, 0.6, 0.0}, WythoffWeights{0.0, 0.3, 0.7},
          WythoffWeights{0.25, 0.0, 0.75}, WythoffWeights{1.0, 0.0, 0.0},
          WythoffWeights{0.0, 1.0, 0.0}, WythoffWeights{0.0, 0.0, 1.0}}) {
      const Polyhedron whole = kaleidoscope.solid(weights);
      for (const WythoffCopies copies :
           {WythoffCopies::Rotations, WythoffCopies::MirroredRotations}) {
        const Polyhedron snub = kaleidoscope.solid(weights, copies);
        const std::string where =
            letter(family) + " at " + std::to_string(weights.a) + ", " + std::to_string(weights.b);
        expectSoundSnub(snub, where);
        EXPECT_EQ(snub.vertices.size(), whole.vertices.size()) << where;
        EXPECT_EQ(snub.faces.size(), whole.faces.size()) << where;
        expectSameDistances(snub.vertices, whole.vertices, 1e-12, where);
      }
    }
  }
}

}  // namespace
}  // namespace velkora
