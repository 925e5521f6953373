// Mesh export of all 31 solids in all three formats, read back by separate
// readers: closed, outward, the right counts, the requested circumscribed
// diameter and the measured volume scaled to it. Then suffixes, names, byte
// order and every kind of bad input.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <string>

#include "base/family.h"
#include "model/polyhedron.h"
#include "model/rotation.h"
#include "model/solid_catalogue.h"
#include "morph/dual_morph.h"
#include "morph/morph_solid.h"
#include "properties/properties.h"
#include "solid_export/mesh_export.h"
#include "tests/solid_export/mesh_readers.h"
#include "tests/support/embedded_catalogue.h"

namespace velkora {
namespace {

using test::ReadMesh;

ReadMesh readBack(const std::string& bytes, MeshFormat format) {
  switch (format) {
    case MeshFormat::Stl:
      return test::readStl(bytes);
    case MeshFormat::Obj:
      return test::readObj(bytes);
    default:
      return test::readOff(bytes);
  }
}

const char* formatName(MeshFormat format) {
  return format == MeshFormat::Stl ? "STL" : format == MeshFormat::Obj ? "OBJ" : "OFF";
}

// The solid at position in the window's pose after a load and a further turn.
Polyhedron posedSolid(int position) {
  const auto model = std::make_unique<Model>();
  loadSolidAt(*model, test::embeddedTexts(), position);
  drehen(*model, 17.0, -41.0, 73.0);
  return polyhedronOf(*model);
}

void expectRelative(double actual, double expected, double relative, const std::string& what) {
  EXPECT_LE(std::fabs(actual - expected), relative * std::fabs(expected))
      << what << ": " << actual << " instead of " << expected;
}

TEST(MeshExport, EverySolidInEveryFormatReadsBackClosedOutwardAndToSize) {
  const double diameter = 47.5;
  for (int position = 0; position < kSolidCount; ++position) {
    const SolidProperties props =
        computeProperties(test::embeddedSolid(position), test::embeddedSolids());
    const Polyhedron solid = posedSolid(position);
    const double scale = diameter / (2.0 * props.farthestVertex);
    int corners = 0;
    for (const auto& face : solid.faces)
      corners += static_cast<int>(face.size());
    for (const MeshFormat format : {MeshFormat::Stl, MeshFormat::Obj, MeshFormat::Off}) {
      const std::string what = props.name + " " + formatName(format);
      const ReadMesh mesh = readBack(meshFileBytes(solid, format, diameter, props.name), format);
      EXPECT_EQ(test::closureFault(mesh), "") << what;
      // Text keeps every double exactly; STL rounds to float.
      const double relative = format == MeshFormat::Stl ? 1e-6 : 1e-12;
      if (format == MeshFormat::Stl) {
        // Each face fanned from its centre: one more point per face, a triangle per corner.
        EXPECT_EQ(mesh.points.size(), solid.vertices.size() + solid.faces.size()) << what;
        EXPECT_EQ(static_cast<int>(mesh.faces.size()), corners) << what;
      } else {
        EXPECT_EQ(mesh.points.size(), solid.vertices.size()) << what;
        ASSERT_EQ(mesh.faces.size(), solid.faces.size()) << what;
        for (std::size_t f = 0; f < mesh.faces.size(); ++f) {
          EXPECT_EQ(mesh.faces[f].size(), solid.faces[f].size()) << what << " face " << f;
        }
      }
      expectRelative(2.0 * test::largestDistance(mesh), diameter, relative, what + " diameter");
      expectRelative(test::enclosedVolume(mesh), props.volume * scale * scale * scale,
                     format == MeshFormat::Stl ? 1e-5 : 1e-9, what + " volume");
    }
  }
}

TEST(MeshExport, MorphedSolidsReadBackClosedOutwardAndToSize) {
  // Along several paths, also at the stops where vertices merge.
  for (const int position : {1, 3, 11, 21, 29}) {
    const Solid& solid = test::embeddedSolid(position);
    const DualMorph morph(solid.geometry);
    std::vector<double> parameters{0.1, 0.37, 0.5, 0.83, 1.0};
    for (const SolidStop& stop : morphStops(morph, test::embeddedSolids()))
      parameters.push_back(stop.t);
    for (const double t : parameters) {
      const Solid shape = morphedSolid(solid, morph, t, {});
      for (const MeshFormat format : {MeshFormat::Stl, MeshFormat::Off}) {
        const std::string what =
            solid.name + " at t = " + std::to_string(t) + " " + formatName(format);
        const ReadMesh mesh =
            readBack(meshFileBytes(shape.geometry, format, 50.0, shape.name), format);
        EXPECT_EQ(test::closureFault(mesh), "") << what;
        expectRelative(2.0 * test::largestDistance(mesh), 50.0, 1e-6, what + " diameter");
        EXPECT_GT(test::enclosedVolume(mesh), 0.0) << what;
      }
    }
  }
}

TEST(MeshExport, StlNormalsAreUnitAndAgreeWithTheWinding) {
  for (const int position : {0, 6, 21}) {
    const ReadMesh mesh =
        test::readStl(meshFileBytes(posedSolid(position), MeshFormat::Stl, 60.0, "x"));
    for (std::size_t t = 0; t < mesh.faces.size(); ++t) {
      const auto& n = mesh.storedNormals[t];
      const auto& a = mesh.points[static_cast<std::size_t>(mesh.faces[t][0])];
      const auto& b = mesh.points[static_cast<std::size_t>(mesh.faces[t][1])];
      const auto& c = mesh.points[static_cast<std::size_t>(mesh.faces[t][2])];
      const test::Vec u = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
      const test::Vec v = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
      const test::Vec w = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2],
                           u[0] * v[1] - u[1] * v[0]};
      const double length = std::sqrt(w[0] * w[0] + w[1] * w[1] + w[2] * w[2]);
      EXPECT_NEAR(std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]), 1.0, 1e-6);
      EXPECT_GT((n[0] * w[0] + n[1] * w[1] + n[2] * w[2]) / length, 0.9999) << "triangle " << t;
    }
  }
}

// The catalogue's corner order says nothing about the outside: turning any
// face round gives the same file.
TEST(MeshExport, CornerOrderOfTheInputDoesNotMatter) {
  const Polyhedron solid = test::embeddedSolid(13).geometry;
  Polyhedron turned = solid;
  for (std::size_t f = 0; f < turned.faces.size(); f += 2) {
    std::reverse(turned.faces[f].begin() + 1, turned.faces[f].end());
  }
  for (const MeshFormat format : {MeshFormat::Stl, MeshFormat::Obj, MeshFormat::Off}) {
    // Compared as a whole; printing the differing bytes would only flood the log.
    EXPECT_TRUE(meshFileBytes(turned, format, 60.0, "a") == meshFileBytes(solid, format, 60.0, "a"))
        << formatName(format);
  }
}

TEST(MeshExport, StlIsLittleEndianWithItsCountAndHeader) {
  const Polyhedron cube = test::embeddedSolid(1).geometry;
  const std::string bytes = meshFileBytes(cube, MeshFormat::Stl, kDefaultDiameterMm, "Würfel");
  ASSERT_EQ(bytes.size(), 84u + 24u * 50u);
  EXPECT_EQ(bytes.substr(80, 4), std::string("\x18\0\0\0", 4));  // 24 triangles
  EXPECT_NE(bytes.rfind("solid", 0), 0u);                        // never mistaken for ASCII STL
  EXPECT_NE(bytes.substr(0, 80).find("Würfel"), std::string::npos);
  // Every cube corner lies at +-(60 / 2) / sqrt(3) mm on each axis.
  const ReadMesh mesh = test::readStl(bytes);
  const double corner = 30.0 / std::sqrt(3.0);
  int corners = 0;
  for (const auto& p : mesh.points) {
    corners += std::fabs(std::fabs(p[0]) - corner) < 1e-5 &&
               std::fabs(std::fabs(p[1]) - corner) < 1e-5 &&
               std::fabs(std::fabs(p[2]) - corner) < 1e-5;
  }
  EXPECT_EQ(corners, 8);
}

TEST(MeshExport, NamesCannotBreakTheTextFormats) {
  const Polyhedron solid = test::embeddedSolid(0).geometry;
  const std::string name = "Tetra\neder\r\tf 1 2 3";
  const ReadMesh obj = test::readObj(meshFileBytes(solid, MeshFormat::Obj, 10.0, name));
  EXPECT_EQ(obj.name, "Tetra eder  f 1 2 3");
  EXPECT_EQ(obj.faces.size(), 4u);
  const ReadMesh off = test::readOff(meshFileBytes(solid, MeshFormat::Off, 10.0, name));
  EXPECT_EQ(off.faces.size(), 4u);
  EXPECT_NE(off.name.find("Tetra eder  f 1 2 3"), std::string::npos);
  const ReadMesh stl = test::readStl(meshFileBytes(solid, MeshFormat::Stl, 10.0, name));
  EXPECT_EQ(stl.name, "Korvelindra: Tetra eder  f 1 2 3");
}

TEST(MeshExport, FormatFromSuffixIgnoresLetterCase) {
  EXPECT_EQ(meshFormatFromPath("/tmp/a.stl"), MeshFormat::Stl);
  EXPECT_EQ(meshFormatFromPath("Würfel.STL"), MeshFormat::Stl);
  EXPECT_EQ(meshFormatFromPath("x.Obj"), MeshFormat::Obj);
  EXPECT_EQ(meshFormatFromPath("C:\\Modelle\\w.oFF"), MeshFormat::Off);
  EXPECT_EQ(meshFormatFromPath("a.stl.txt"), std::nullopt);
  EXPECT_EQ(meshFormatFromPath("stl"), std::nullopt);
  EXPECT_EQ(meshFormatFromPath("a.offx"), std::nullopt);
  EXPECT_EQ(meshFormatFromPath(""), std::nullopt);
}

TEST(MeshExport, RejectsBadDiameters) {
  const Polyhedron cube = test::embeddedSolid(1).geometry;
  for (const double d : {0.0, -60.0, std::numeric_limits<double>::quiet_NaN(),
                         std::numeric_limits<double>::infinity(), 1e-9, 1e40}) {
    EXPECT_THROW(meshFileBytes(cube, MeshFormat::Stl, d, "w"), EMeshExport) << d;
    EXPECT_THROW(meshFileBytes(cube, MeshFormat::Obj, d, "w"), EMeshExport) << d;
  }
  EXPECT_NO_THROW(meshFileBytes(cube, MeshFormat::Off, kSmallestDiameterMm, "w"));
  EXPECT_NO_THROW(meshFileBytes(cube, MeshFormat::Off, kLargestDiameterMm, "w"));
}

TEST(MeshExport, RejectsSolidsThatDoNotCloseOrAreNotConvex) {
  const Polyhedron cube = test::embeddedSolid(1).geometry;
  const auto rejected = [](const Polyhedron& p) {
    EXPECT_THROW(meshFileBytes(p, MeshFormat::Off, 60.0, "w"), EInvalidSolid);
  };
  Polyhedron open = cube;
  open.faces.pop_back();
  rejected(open);
  Polyhedron doubled = cube;
  doubled.faces.push_back(doubled.faces.front());
  rejected(doubled);
  Polyhedron outside = cube;
  outside.faces[3][2] = 8;
  rejected(outside);
  Polyhedron negative = cube;
  negative.faces[3][2] = -1;
  rejected(negative);
  Polyhedron repeated = cube;
  repeated.faces[0][1] = repeated.faces[0][2];
  rejected(repeated);
  Polyhedron line = cube;
  line.faces[0].resize(2);
  rejected(line);
  Polyhedron collapsed = cube;
  collapsed.vertices[collapsed.faces[0][1]] = collapsed.vertices[collapsed.faces[0][0]];
  rejected(collapsed);
  Polyhedron flat = cube;
  for (Point3& p : flat.vertices)
    p.z = 0.0;
  rejected(flat);
  Polyhedron point = cube;
  for (Point3& p : point.vertices)
    p = {1.0, 2.0, 3.0};
  rejected(point);
  Polyhedron notFinite = cube;
  notFinite.vertices[5].y = std::numeric_limits<double>::quiet_NaN();
  rejected(notFinite);
  // One corner pulled a quarter of the way towards the centre: still closed,
  // but its three faces are bent and the solid is dented.
  Polyhedron dented = cube;
  dented.vertices[0] = 0.75 * dented.vertices[0];
  rejected(dented);
  Polyhedron empty;
  rejected(empty);
  EXPECT_NO_THROW(meshFileBytes(cube, MeshFormat::Off, 60.0, "w"));
}

}  // namespace
}  // namespace velkora
