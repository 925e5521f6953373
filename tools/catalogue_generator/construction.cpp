#include "tools/catalogue_generator/construction.h"

#include "tools/catalogue_generator/errors.h"
#include "tools/catalogue_generator/families.h"
#include "tools/catalogue_generator/hull.h"
#include "tools/catalogue_generator/polynomial.h"
#include "tools/catalogue_generator/symmetry.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace velkora::gen {

namespace {

constexpr Real kHullTolerance = 1e-9L;
constexpr Real kZeroSnap = 1e-13L;

enum class Symmetry { Tetrahedral, Octahedral, Icosahedral };

// Which mirrors of the Schwarz triangle the Wythoff point keeps its distance from.
struct Wythoff {
  Symmetry symmetry;
  bool a;
  bool b;
  bool c;
};

SchwarzTriangle triangleOf(Symmetry symmetry) {
  switch (symmetry) {
    case Symmetry::Tetrahedral:
      return tetrahedralTriangle();
    case Symmetry::Octahedral:
      return octahedralTriangle();
    case Symmetry::Icosahedral:
      break;
  }
  return icosahedralTriangle();
}

// Display frames: the tetrahedral solids stand on a 3-fold axis with a tetrahedron vertex
// direction on top and a mirror in the xz plane; the octahedral ones keep the standard frame
// (4-fold axis along z); the icosahedral ones stand on a 5-fold axis with the mirror through
// it as their xz plane.
Mat3 displayFrame(Symmetry symmetry) {
  const Real phi = goldenRatio();
  switch (symmetry) {
    case Symmetry::Tetrahedral:
      return frame({1, 1, 1}, {1, -1, -1});
    case Symmetry::Octahedral:
      return identity();
    case Symmetry::Icosahedral:
      break;
  }
  return frame({0, 1, phi}, {0, -phi, 1});
}

Solid solidFromPoints(std::vector<Vec3> points) {
  Solid solid;
  solid.faces = convexHullFaces(points, kHullTolerance);
  solid.vertices = std::move(points);
  return solid;
}

Solid wythoffSolid(const Wythoff& recipe) {
  const SchwarzTriangle triangle = triangleOf(recipe.symmetry);
  const auto group = reflectionGroup(triangle);
  return solidFromPoints(orbit(group, wythoffPoint(triangle, recipe.a, recipe.b, recipe.c)));
}

// Snub cube: the rotations of the cube applied to (1, 1/t, t), where t is the real root of
// t^3 - t^2 - t - 1 (the point where the snub triangles and squares all get equal edges).
Solid snubCube() {
  const Real t = newtonRoot({1, -1, -1, -1}, 2);
  const auto rotations = rotationSubgroup(reflectionGroup(octahedralTriangle()));
  return solidFromPoints(orbit(rotations, Vec3{1, 1 / t, t}));
}

// Snub dodecahedron: the rotations of the icosahedron applied to
// (phi^2 (1 - x), -phi^3 + phi x + 2 phi x^2, x), where x is the real root of x^3 + 2 x^2 - phi^2.
Solid snubDodecahedron() {
  const Real phi = goldenRatio();
  const Real x = newtonRoot({1, 2, 0, -phi * phi}, 1);
  const Vec3 seed{phi * phi * (1 - x), -phi * phi * phi + phi * x + 2 * phi * x * x, x};
  const auto rotations = rotationSubgroup(reflectionGroup(icosahedralTriangle()));
  return solidFromPoints(orbit(rotations, seed));
}

void transform(Solid& solid, const Mat3& m, Real scale) {
  for (Vec3& v : solid.vertices) {
    v = (m * v) * scale;
    for (Real* c : {&v.x, &v.y, &v.z}) {
      if (std::fabs(*c) < kZeroSnap) {
        *c = 0;  // exact zeros print as "0" and keep the layers of the ordering clean
      }
    }
  }
}

Real firstEdgeLength(const Solid& solid) {
  const Face& f = solid.faces.front();
  return distance(solid.vertices[static_cast<std::size_t>(f[0])],
                  solid.vertices[static_cast<std::size_t>(f[1])]);
}

// Distance of the first edge's midpoint from the centre: the midradius of a uniform solid.
Real midradius(const Solid& solid) {
  const Face& f = solid.faces.front();
  return norm((solid.vertices[static_cast<std::size_t>(f[0])] +
               solid.vertices[static_cast<std::size_t>(f[1])]) /
              2);
}

Solid platonic(int type) {
  struct Recipe {
    Wythoff wythoff;
    Real edge;
  };
  const Recipe recipes[5] = {
      {{Symmetry::Tetrahedral, true, false, false}, std::sqrt(8.0L)},
      {{Symmetry::Octahedral, false, true, false}, 2},
      {{Symmetry::Octahedral, true, false, false}, 2},
      {{Symmetry::Icosahedral, true, false, false}, 1},
      {{Symmetry::Icosahedral, false, true, false}, 1},
  };
  const Recipe& recipe = recipes[type];
  Solid solid = wythoffSolid(recipe.wythoff);
  transform(solid, displayFrame(recipe.wythoff.symmetry), recipe.edge / firstEdgeLength(solid));
  return solid;
}

Solid archimedean(int type) {
  Solid solid;
  Symmetry symmetry = Symmetry::Octahedral;
  switch (type) {
    case 9:
      solid = snubCube();
      break;
    case 10:
      solid = snubDodecahedron();
      symmetry = Symmetry::Icosahedral;
      break;
    default: {
      const Wythoff recipes[13] = {
          {Symmetry::Octahedral, false, false, true},    // 5 cuboctahedron
          {Symmetry::Icosahedral, false, false, true},   // 6 icosidodecahedron
          {Symmetry::Icosahedral, true, true, false},    // 7 rhombicosidodecahedron
          {Symmetry::Octahedral, true, true, false},     // 8 rhombicuboctahedron
          {Symmetry::Octahedral, false, false, false},   // 9 snub cube (built above)
          {Symmetry::Icosahedral, false, false, false},  // 10 snub dodecahedron (above)
          {Symmetry::Icosahedral, true, false, true},    // 11 truncated icosahedron
          {Symmetry::Icosahedral, true, true, true},     // 12 truncated icosidodecahedron
          {Symmetry::Octahedral, true, true, true},      // 13 truncated cuboctahedron
          {Symmetry::Octahedral, false, true, true},     // 14 truncated cube
          {Symmetry::Octahedral, true, false, true},     // 15 truncated octahedron
          {Symmetry::Tetrahedral, true, false, true},    // 16 truncated tetrahedron
          {Symmetry::Icosahedral, false, true, true},    // 17 truncated dodecahedron
      };
      const Wythoff& recipe = recipes[type - 5];
      solid = wythoffSolid(recipe);
      symmetry = recipe.symmetry;
      break;
    }
  }
  // Every edge of a uniform solid touches its midsphere; make that the unit sphere.
  transform(solid, displayFrame(symmetry), 1 / midradius(solid));
  return solid;
}

}  // namespace

Solid polarReciprocal(const Solid& solid) {
  Solid dual;
  for (const Face& face : solid.faces) {
    const Vec3 n = outwardNormal(solid.vertices, face);
    const Real d = dot(n, faceCentroid(solid.vertices, face));
    dual.vertices.push_back(n / d);
  }
  // Around each vertex v, walk from face to face across the edges leaving v: the face that
  // holds the edge (v, next) is followed by the face that holds it the other way round.
  const int vertexCount = static_cast<int>(solid.vertices.size());
  for (int v = 0; v < vertexCount; ++v) {
    auto nextAround = [&](int faceIndex) {
      const Face& f = solid.faces[static_cast<std::size_t>(faceIndex)];
      int after = -1;
      for (std::size_t i = 0; i < f.size(); ++i) {
        if (f[i] == v) {
          after = f[(i + 1) % f.size()];
        }
      }
      for (std::size_t g = 0; g < solid.faces.size(); ++g) {
        const Face& h = solid.faces[g];
        for (std::size_t i = 0; i < h.size(); ++i) {
          if (h[i] == after && h[(i + 1) % h.size()] == v) {
            return static_cast<int>(g);
          }
        }
      }
      throw GeneratorError("Ecke " + std::to_string(v) + " liegt an keiner geschlossenen Kante");
    };
    int start = -1;
    for (std::size_t f = 0; f < solid.faces.size() && start < 0; ++f) {
      for (int corner : solid.faces[f]) {
        if (corner == v) {
          start = static_cast<int>(f);
        }
      }
    }
    if (start < 0) {
      throw GeneratorError("Ecke " + std::to_string(v) + " liegt in keiner Fläche");
    }
    Face around{start};
    for (int f = nextAround(start); f != start; f = nextAround(f)) {
      around.push_back(f);
      if (around.size() > solid.faces.size()) {
        throw GeneratorError("Flächen um Ecke " + std::to_string(v) + " schließen sich nicht");
      }
    }
    dual.faces.push_back(std::move(around));
  }
  return dual;
}

Solid constructSolid(int type) {
  switch (familyOf(type)) {
    case Family::Platonic:
      return platonic(type);
    case Family::Archimedean:
      return archimedean(type);
    case Family::Catalan:
      break;
  }
  Solid dual = polarReciprocal(archimedean(archimedeanDualOf(type)));
  // The faces found from the incidences must be exactly those of the poles' convex hull.
  auto cornerSets = [](std::vector<Face> faces) {
    for (Face& face : faces) {
      std::sort(face.begin(), face.end());
    }
    std::sort(faces.begin(), faces.end());
    return faces;
  };
  if (cornerSets(dual.faces) != cornerSets(convexHullFaces(dual.vertices, kHullTolerance))) {
    throw GeneratorError("Typ " + std::to_string(type) +
                         ": Flächen des Polarkörpers sind nicht die seiner Hülle");
  }
  return dual;
}

}  // namespace velkora::gen
