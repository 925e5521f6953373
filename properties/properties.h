#pragma once
// The properties of one catalogue solid, all measured on the loaded catalogue
// geometry: counts, face kinds, configuration, dual partner, symmetry, edge
// lengths, dihedral angles, radii, surface area and volume. No text, no Qt.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/family.h"
#include "model/solid.h"

namespace velkora {

struct ValueCount {
  double value = 0.0;
  int count = 0;
};

struct FaceKind {
  int sides = 0;
  int count = 0;
  std::string name;  // German: plural for regular faces, the shape for Catalan faces
};

struct SolidProperties {
  int position = -1;  // list position; -1 for a solid that no list line describes
  int type = -1;
  std::string name;              // UTF-8
  std::optional<Family> family;  // empty for a solid that is none of the catalogue's
  int vertices = 0;
  int edges = 0;
  int faces = 0;
  std::vector<FaceKind> faceKinds;  // by number of sides
  std::string configuration;        // "3.4.3.4" (vertices) or "V3.4.3.4" (Catalan faces)
  int dualPosition = -1;            // -1 when no catalogue solid is the dual
  std::string dualName;
  std::string rotationGroup;  // "T", "O" or "I"
  std::string symmetryGroup;  // "Td", "Oh", "Ih"; "O", "I" for the chiral ones
  int symmetryOrder = 0;      // rotations and reflections
  // At the catalogue's own scale:
  std::vector<ValueCount> edgeLengths;
  std::vector<ValueCount> dihedralAngles;  // degrees
  std::optional<double> inradius;          // when all face planes are equally far
  std::optional<double> midradius;         // when all edge lines are equally far
  std::optional<double> circumradius;      // when all vertices are equally far
  double nearestFacePlane = 0.0;           // the largest sphere about the centre inside the solid
  double farthestVertex = 0.0;             // the smallest sphere about the centre round the solid
  double surfaceArea = 0.0;
  double volume = 0.0;
  // shown = catalogue length * normalisation: edge 1 (Platonic, Archimedean),
  // midradius 1 (Catalan)
  double normalisation = 1.0;
  // The spheres the picture draws (Model::innerRadius, outerRadius), catalogue units.
  double drawnInnerRadius = 0.0;
  double drawnOuterRadius = 0.0;
};

// Measures a read solid; its dual is looked for among catalogue (the solids
// of the list, as read). Throws EInvalidSolid for faces that do not make a
// closed convex solid.
SolidProperties computeProperties(const Solid& solid, std::span<const Solid> catalogue);

}  // namespace velkora
