#include "render/views.h"

#include <algorithm>
#include <optional>

#include "render/colours.h"
#include "render/depth_list.h"
#include "render/projection.h"

namespace velkora {

namespace {

// Polyhedron as glass shell; the inner sphere view adds the sphere as core.
constexpr Pass kBackFaces{kFaceSet,       Side::Back,  kLightGreen, kRed, PenStyle::Dotted,
                          /*marks=*/true, Layer::Frame};
constexpr Pass kFrontFaces{kFaceSet,       Side::Front, kLightGreen, kRed, PenStyle::Solid,
                           /*marks=*/true, Layer::Front};
constexpr Pass kPolyhedronPasses[] = {kBackFaces, kFrontFaces};
constexpr Pass kInnerSpherePasses[] = {
    kBackFaces,
    {kInnerQuadSet, Side::All, kYellow, kBlue, PenStyle::Solid, /*marks=*/false, Layer::Frame},
    kFrontFaces,
};

// Outer sphere as glass shell around the polyhedron as core.
constexpr Pass kOuterSpherePasses[] = {
    {kOuterQuadSet, Side::Back, kLightGreen, kLightRed, PenStyle::Dotted, false, Layer::Frame},
    {kFaceSet, Side::All, kYellow, kBlue, PenStyle::Solid, /*marks=*/true, Layer::Frame},
    {kOuterQuadSet, Side::Front, kLightGreen, kRed, PenStyle::Solid, false, Layer::Front},
};

bool onSide(Side side, double key) {
  switch (side) {
    case Side::Back:
      return key >= 0.0;
    case Side::Front:
      return key < 0.0;
    case Side::All:
      break;
  }
  return true;
}

// Depth lists sorted during one frame. The back and the front pass of a
// shell share one sort: filling and sorting again would give the same order.
class SortedLists {
 public:
  const DepthList& of(const Model& model, const Pass& pass) {
    const auto* centres = &(model.*pass.set.centres);
    const std::int32_t count = std::clamp(model.*pass.set.count, 0, kCapacity);
    for (Slot& slot : slots_) {
      if (slot.centres == centres && slot.count == count) {
        return slot.list;
      }
    }
    Slot& slot = slots_[next_];
    next_ = (next_ + 1) % slots_.size();
    slot.centres = centres;
    slot.count = count;
    fillDepthList(slot.list, *centres, count);
    sortDepthList(slot.list);
    return slot.list;
  }

 private:
  struct Slot {
    const std::array<CentreRec, kCapacity>* centres = nullptr;
    std::int32_t count = 0;
    DepthList list;
  };
  std::array<Slot, 2> slots_;
  std::size_t next_ = 0;
};

bool paintsEveryFace(const Pass& pass) {
  return pass.side == Side::All && pass.set.points == kFaceSet.points &&
         pass.set.polygons == kFaceSet.polygons && pass.set.count == kFaceSet.count;
}

// Whether the pass after passes[k] paints every face of the polyhedron on
// the same layer, so that it paints over what the polyhedron hides of
// passes[k].
bool nextPassPaintsCore(std::span<const Pass> passes, std::size_t k) {
  return k + 1 < passes.size() && passes[k + 1].layer == passes[k].layer &&
         paintsEveryFace(passes[k + 1]);
}

}  // namespace

std::span<const Pass> passesOf(View view) {
  switch (view) {
    case View::InnerSphere:
      return kInnerSpherePasses;
    case View::OuterSphere:
      return kOuterSpherePasses;
    case View::Polyhedron:
      break;
  }
  return kPolyhedronPasses;
}

void paintPasses(const Scene& scene, std::span<const Pass> passes) {
  SortedLists sorted;
  std::optional<CoreCover> core;  // worked out once, for the first pass it hides
  bool frontCleared = false;
  for (std::size_t p = 0; p < passes.size(); ++p) {
    const Pass& pass = passes[p];
    Canvas& canvas = pass.layer == Layer::Front ? scene.front : scene.frame;
    if (pass.layer == Layer::Front && !frontCleared) {
      scene.front.clearWhite();
      frontCleared = true;
    }
    const DepthList& list = sorted.of(scene.model, pass);
    if (scene.codes != nullptr) {
      const bool front = pass.layer == Layer::Front;
      canvas.setFillColour(tintCode(front, TintClass::OtherFill));
      canvas.setPenColour(tintCode(front, TintClass::Stroke));
    } else {
      canvas.setFillColour(pass.fill);
      canvas.setPenColour(pass.pen);
    }
    canvas.setPenStyle(pass.penStyle);
    // Polygons that the fills of the polyhedron's faces toward the viewer
    // cover entirely, painted after them, are left out: the picture is the
    // same without them. Those are a pass before all the faces, and faces
    // of that pass sorted before every face toward the viewer.
    const bool beforeCore = nextPassPaintsCore(passes, p);
    const bool isCore = paintsEveryFace(pass);
    if ((beforeCore || isCore) && !core) {
      core.emplace(scene.model, scene.centreX, scene.centreY, scene.scale);
    }
    const CoreCover* hiddenBy = beforeCore || isCore ? &*core : nullptr;
    for (std::int32_t k = 0; k < list.count; ++k) {
      const DepthItem& item = list.items[k];
      if (isCore && hiddenBy != nullptr && core->facesViewer(item.index)) {
        hiddenBy = nullptr;  // from the first face toward the viewer on, all are painted
      }
      if (onSide(pass.side, item.key)) {
        drawPolygon(scene, pass, canvas, item.index, hiddenBy);
      }
    }
    // The frame's pen is solid between passes, as the window's canvas is.
    canvas.setPenStyle(PenStyle::Solid);
  }
  if (frontCleared) {
    scene.frame.andCombine(scene.front);
  }
}

void composeScene(const Model& model, const ViewState& view, Canvas& frame, Canvas& front,
                  int pixelScale, const TintTable* codes) {
  const int scale = std::clamp(pixelScale, kMinPixelScale, kMaxPixelScale);
  const int lineWidth = std::clamp(view.lineWidth, kMinLineWidth, kMaxLineWidth);
  frame.setPenWidth(scale * lineWidth);
  front.setPenWidth(scale * lineWidth);
  const Scene scene{model, frame,     front, frame.width() / 2, frame.height() / 2, view.markPoints,
                    scale, lineWidth, codes};
  paintPasses(scene, passesOf(view.view));
  if (!view.extraMarks.empty()) {
    // As the corners are marked: a 9 x 9 yellow circle, its box from 4
    // pixels left and above to 5 right and below, all scaled (and widened).
    frame.setFillColour(codes != nullptr ? tintCode(false, TintClass::Stroke) : kYellow);
    frame.setPenColour(codes != nullptr ? tintCode(false, TintClass::Stroke) : kRed);
    frame.setPenStyle(PenStyle::Solid);
    for (const Point3& point : view.extraMarks) {
      const PixelPoint p = projectPoint(point, scene.centreX, scene.centreY, scale);
      const int k = scene.markScale();
      frame.ellipse(p.x - 4 * k, p.y - 4 * k, p.x + 5 * k, p.y + 5 * k);
    }
  }
}

}  // namespace velkora
