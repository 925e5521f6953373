#include "render/scene.h"

#include <algorithm>

#include "render/colours.h"
#include "render/projection.h"

namespace velkora {

void drawPolygon(const Scene& scene, const Pass& pass, Canvas& canvas, std::int32_t index,
                 const CoreCover* hiddenBy) {
  if (index < 0 || index >= kCapacity) {
    return;
  }
  const Model& m = scene.model;
  const std::array<Point3, kCapacity>& points = m.*pass.set.points;
  const FaceRec& record = (m.*pass.set.polygons)[index];
  const int count = std::clamp(record.count, 0, kMaxCorners);
  std::array<Point3, kMaxCorners> corners{};
  for (int i = 0; i < count; ++i) {
    const std::int32_t at = record.indices[i];
    if (at < 0 || at >= kCapacity) {
      return;
    }
    corners[i] = points[at];
  }
  std::array<PixelPoint, kMaxProjectedCorners> pixels{};
  const int projected = projectPolygon(std::span(corners.data(), count), scene.centreX,
                                       scene.centreY, pixels, scene.scale);
  const std::span<const PixelPoint> drawn(pixels.data(), static_cast<std::size_t>(projected));
  const bool marked = pass.marks && scene.markPoints;
  // The marks' boxes reach 5 scaled pixels from their corner (times the line width).
  if (hiddenBy != nullptr &&
      hiddenBy->covers(drawn, canvas.penWidth(), marked ? 5 * scene.markScale() : 0)) {
    return;
  }
  if (scene.codes != nullptr && pass.set.polygons == kFaceSet.polygons) {
    const int tint = scene.codes->tintOf(index);
    canvas.setFillColour(tintCode(pass.layer == Layer::Front,
                                  tint >= 0 ? TintClass::Tint : TintClass::UntintedFace, tint));
  }
  canvas.polygon(drawn);

  if (marked) {
    // A 9 x 9 circle on the corner's pixel: its box reaches 4 pixels left
    // and above and 5 right and below (exclusive), all scaled.
    const int near = 4 * scene.markScale();
    const int far = 5 * scene.markScale();
    const std::uint32_t remembered = canvas.fillColour();
    canvas.setFillColour(
        scene.codes != nullptr ? tintCode(pass.layer == Layer::Front, TintClass::Stroke) : kYellow);
    for (int i = 0; i < count; ++i) {
      const PixelPoint p = projectPoint(corners[i], scene.centreX, scene.centreY, scene.scale);
      canvas.ellipse(p.x - near, p.y - near, p.x + far, p.y + far);
    }
    canvas.setFillColour(remembered);
  }
}

}  // namespace velkora
