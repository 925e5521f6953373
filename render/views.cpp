#include "render/views.h"

#include <algorithm>
#include <optional>

#include "render/colours.h"
#include "render/depth_list.h"

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

// Whether the pass after passes[k] paints every face of the polyhedron on
// the same layer, so that it paints over what the polyhedron hides of
// passes[k] (which has no marks, as they are not in a polygon's box).
bool nextPassPaintsCore(std::span<const Pass> passes, std::size_t k) {
  if (k + 1 >= passes.size() || passes[k].marks) {
    return false;
  }
  const Pass& next = passes[k + 1];
  return next.layer == passes[k].layer && next.side == Side::All &&
         next.set.points == kFaceSet.points && next.set.polygons == kFaceSet.polygons &&
         next.set.count == kFaceSet.count;
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
    canvas.setFillColour(pass.fill);
    canvas.setPenColour(pass.pen);
    canvas.setPenStyle(pass.penStyle);
    // Polygons that the polyhedron's faces, painted next, cover entirely
    // are left out: the picture is the same without them.
    const CoreCover* hiddenBy = nullptr;
    if (nextPassPaintsCore(passes, p)) {
      if (!core) {
        core.emplace(scene.model, scene.centreX, scene.centreY, scene.scale);
      }
      hiddenBy = &*core;
    }
    for (std::int32_t k = 0; k < list.count; ++k) {
      const DepthItem& item = list.items[k];
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
                  int pixelScale) {
  const int scale = std::clamp(pixelScale, kMinPixelScale, kMaxPixelScale);
  frame.setPenWidth(scale);
  front.setPenWidth(scale);
  const Scene scene{model,           frame, front, frame.width() / 2, frame.height() / 2,
                    view.markPoints, scale};
  paintPasses(scene, passesOf(view.view));
}

}  // namespace velkora
