#pragma once
// One frame's drawing context and the pass: a small table row saying which
// items (points, polygons, centres, count) are painted in which colours and
// pen, with or without vertex marks, onto which layer. The views
// (render/views.h) list the passes; nothing here decides their order.

#include <array>
#include <cstdint>

#include "model/model.h"
#include "render/canvas.h"
#include "render/core_cover.h"
#include "render/face_tints.h"

namespace velkora {

// What one frame paints with: the model, the frame canvas, the front layer,
// the origin in device pixels, whether polyhedron corners are marked and the
// device pixels per logical pixel (1..4), and by how much lines and marks
// are widened beyond that (1..3). With codes, the frame is painted in the
// tint codes of render/face_tints.h in place of its colours: each face's fill
// in the code of its tint in the table.
struct Scene {
  const Model& model;
  Canvas& frame;
  Canvas& front;
  int centreX = 0;
  int centreY = 0;
  bool markPoints = false;
  int scale = 1;
  int lineWidth = 1;
  const TintTable* codes = nullptr;
  // Device pixels per logical pixel of a line or mark.
  int markScale() const { return scale * lineWidth; }
};

// Which items of the pass are painted, by the z of their centre.
enum class Side : std::uint8_t {
  Back,   // z >= 0: the far half
  All,    // every item
  Front,  // z < 0: the near half
};

enum class Layer : std::uint8_t { Frame, Front };

// A set of polygons of the model: the points their records index, the
// records, their centres and how many there are.
struct PolygonSet {
  std::array<Point3, kCapacity> Model::*points;
  std::array<FaceRec, kCapacity> Model::*polygons;
  std::array<CentreRec, kCapacity> Model::*centres;
  std::int32_t Model::*count;
};

inline constexpr PolygonSet kFaceSet{&Model::vertices, &Model::faces, &Model::faceCentres,
                                     &Model::faceCount};
inline constexpr PolygonSet kInnerQuadSet{&Model::innerPoints, &Model::sphereQuads,
                                          &Model::innerCentres, &Model::sphereQuadCount};
inline constexpr PolygonSet kOuterQuadSet{&Model::outerPoints, &Model::sphereQuads,
                                          &Model::outerCentres, &Model::sphereQuadCount};

// One pass over one set of polygons, farthest first.
struct Pass {
  PolygonSet set;
  Side side;
  std::uint32_t fill;
  std::uint32_t pen;
  PenStyle penStyle;
  bool marks;  // marks the corners when the scene asks for marks
  Layer layer;
};

// Paints polygon index of the pass with the target canvas's current colours
// and pen, then its corner marks (yellow, 9 x 9 logical pixels, times the line width) when both
// the pass and the scene ask for them. A polygon whose record points outside
// the arrays is skipped rather than read out of bounds, and so is one that
// hiddenBy (when given) says a later fill paints over. A scene that paints
// codes fills a face in the code of its tint.
void drawPolygon(const Scene& scene, const Pass& pass, Canvas& canvas, std::int32_t index,
                 const CoreCover* hiddenBy = nullptr);

}  // namespace velkora
