#include "render/scene.h"

#include <algorithm>
#include <array>

#include "render/colours.h"
#include "render/projection.h"

namespace velkora {

namespace {

// Fills and outlines one item with the canvas's current colours and pen, then
// marks its corners when asked. An item whose record points outside the
// arrays is skipped rather than read out of bounds.
void drawItem(const Scene& scene, Canvas& canvas, const std::array<Point3, kCapacity>& points,
              const std::array<FaceRec, kCapacity>& records, std::int32_t index,
              std::int32_t cornerCount, bool withMarks) {
  if (index < 0 || index >= kCapacity) {
    return;
  }
  const FaceRec& record = records[index];
  const int count = std::clamp(cornerCount, 0, kMaxCorners);
  std::array<Point3, kMaxCorners> corners{};
  for (int i = 0; i < count; ++i) {
    const std::int32_t at = record.indices[i];
    if (at < 0 || at >= kCapacity) {
      return;
    }
    corners[i] = points[at];
  }
  std::array<PixelPoint, kMaxProjectedCorners> pixels{};
  const int projected =
      projectPolygon(std::span(corners.data(), count), scene.centreX, scene.centreY, pixels);
  canvas.polygon(std::span(pixels.data(), projected));

  if (withMarks && scene.markPoints) {
    const std::uint32_t remembered = canvas.fillColour();
    canvas.setFillColour(kYellow);
    for (int i = 0; i < count; ++i) {
      const PixelPoint p = projectPoint(corners[i], scene.centreX, scene.centreY);
      canvas.ellipse(p.x - 4, p.y - 4, p.x + 5, p.y + 5);
    }
    canvas.setFillColour(remembered);
  }
}

}  // namespace

void drawInnerViewPolygon(const Scene& scene, std::int32_t index, std::int32_t cornerCount,
                          Role role) {
  const Model& m = scene.model;
  if (role == Role::Core) {
    scene.frame.setFillColour(kYellow);
    scene.frame.setPenColour(kBlue);
    drawItem(scene, scene.frame, m.innerPoints, m.innerQuads, index, cornerCount, false);
  } else {
    scene.frame.setFillColour(kLightGreen);
    scene.frame.setPenColour(kRed);
    drawItem(scene, scene.frame, m.vertices, m.faces, index, cornerCount, true);
  }
}

void drawInnerViewFrontFace(const Scene& scene, std::int32_t index, std::int32_t cornerCount) {
  scene.front.setFillColour(kLightGreen);
  scene.front.setPenColour(kRed);
  drawItem(scene, scene.front, scene.model.vertices, scene.model.faces, index, cornerCount, true);
}

void drawOuterViewPolygon(const Scene& scene, std::int32_t index, std::int32_t cornerCount,
                          Role role) {
  const Model& m = scene.model;
  if (role == Role::Core) {
    scene.frame.setFillColour(kYellow);
    scene.frame.setPenColour(kBlue);
    drawItem(scene, scene.frame, m.vertices, m.faces, index, cornerCount, true);
  } else {
    scene.frame.setFillColour(kLightGreen);
    scene.frame.setPenColour(kLightRed);
    drawItem(scene, scene.frame, m.outerPoints, m.outerQuads, index, cornerCount, false);
  }
}

void drawOuterViewFrontQuad(const Scene& scene, std::int32_t index, std::int32_t cornerCount) {
  scene.front.setFillColour(kLightGreen);
  scene.front.setPenColour(kRed);
  drawItem(scene, scene.front, scene.model.outerPoints, scene.model.outerQuads, index, cornerCount,
           false);
}

}  // namespace velkora
