#pragma once
// What the picture says when asked about one of its faces or vertices: the
// kind of the face (its faces, polygon, share of all faces and the polygons
// next to it) or the faces round a vertex and its configuration, worked out on
// the plain geometry, and the sentence that names them. Knows nothing of
// pixels or colours; the words go through uiText (text/ui_text.h).

#include <string>
#include <vector>

#include "model/polyhedron.h"

namespace velkora {

// Polygons of one sort next to a face: regular ones by their sides (shape
// empty), irregular ones by their shape (the German singular of face_kinds.h).
struct NeighbourCount {
  int sides = 0;
  std::string shape;
  int count = 0;
};

struct PickFacts {
  enum class Kind { None, FaceKind, Vertex };
  Kind kind = Kind::None;
  // FaceKind: every face of the picked face's kind, ascending; Vertex: the
  // faces round the vertex in their turning order.
  std::vector<int> faces;
  int face = -1;      // the face asked about (FaceKind)
  int vertex = -1;    // the vertex asked about (Vertex)
  int sides = 0;      // the sides of the kind's polygons
  std::string shape;  // the kind's shape when its polygons are not regular, else empty
  int faceCount = 0;  // all faces of the solid
  std::vector<NeighbourCount> neighbours;  // next to the asked face, by sides then shape
  std::string configuration;               // Vertex: "3.4.4.4", written as the properties do
};

// Inputs: a convex solid (any pose) and one of its faces. Outputs: the
// faces of its kind by symmetry (properties/face_orbits.h) and its
// neighbours across its edges. Throws EInvalidSolid for a solid that is not
// closed and convex, std::out_of_range for a face not in it.
PickFacts faceKindFacts(const Polyhedron& solid, int face);

// Inputs: a convex solid and one of its vertices. Outputs: the faces round
// it and its configuration. Throws as faceKindFacts does.
PickFacts vertexFacts(const Polyhedron& solid, int vertex);

// The name of a polygon: by its sides, or its shape when one is given;
// singular for count 1, else plural ("Dreieck", "Quadrate", "Drachenvierecke").
std::string polygonName(int sides, const std::string& shape, int count);

// The sentence for facts: "Quadrat, 12 von 26 Flächen, grenzt an 2 Dreiecke
// und 2 Quadrate" or "Ecke 3.4.4.4"; empty for none.
std::string pickText(const PickFacts& facts);

}  // namespace velkora
