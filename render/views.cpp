#include "render/views.h"

#include <algorithm>

#include "render/depth_list.h"

namespace velkora {

namespace {

std::int32_t sphereQuads(const Model& m) { return std::clamp(m.sphereQuadCount, 0, kCapacity); }
std::int32_t faceCount(const Model& m) { return std::clamp(m.faceCount, 0, kCapacity); }

}  // namespace

void paintInnerView(const Scene& scene, const ViewState& view) {
  const Model& m = scene.model;
  // Filling and sorting the shell's list again for the front pass would give
  // the same order, so the first sort serves both passes.
  DepthList shell;
  DepthList list;

  fillDepthList(shell, m.faceCentres, faceCount(m));
  sortDepthList(shell);
  scene.frame.setPenStyle(PenStyle::Dotted);
  for (std::int32_t k = 0; k < shell.count; ++k) {
    const DepthItem& item = shell.items[k];
    if (item.key >= 0.0) {
      drawInnerViewPolygon(scene, item.index, m.faces[item.index].count, Role::Shell);
    }
  }
  scene.frame.setPenStyle(PenStyle::Solid);

  if (view.innerSphere) {
    fillDepthList(list, m.innerCentres, sphereQuads(m));
    sortDepthList(list);
    for (std::int32_t k = 0; k < list.count; ++k) {
      const DepthItem& item = list.items[k];
      drawInnerViewPolygon(scene, item.index, m.innerQuads[item.index].count, Role::Core);
    }
  }

  scene.front.clearWhite();
  scene.front.setPenStyle(PenStyle::Solid);
  for (std::int32_t k = 0; k < shell.count; ++k) {
    const DepthItem& item = shell.items[k];
    if (item.key < 0.0) {
      drawInnerViewFrontFace(scene, item.index, m.faces[item.index].count);
    }
  }
  scene.frame.andCombine(scene.front);
}

void paintOuterView(const Scene& scene) {
  const Model& m = scene.model;
  DepthList shell;  // sorted once for the back and the front pass, as above
  DepthList list;

  fillDepthList(shell, m.outerCentres, sphereQuads(m));
  sortDepthList(shell);
  scene.frame.setPenStyle(PenStyle::Dotted);
  for (std::int32_t k = 0; k < shell.count; ++k) {
    const DepthItem& item = shell.items[k];
    if (item.key >= 0.0) {
      drawOuterViewPolygon(scene, item.index, m.outerQuads[item.index].count, Role::Shell);
    }
  }
  scene.frame.setPenStyle(PenStyle::Solid);

  fillDepthList(list, m.faceCentres, faceCount(m));
  sortDepthList(list);
  for (std::int32_t k = 0; k < list.count; ++k) {
    const DepthItem& item = list.items[k];
    drawOuterViewPolygon(scene, item.index, m.faces[item.index].count, Role::Core);
  }

  scene.front.clearWhite();
  scene.front.setPenStyle(PenStyle::Solid);
  for (std::int32_t k = 0; k < shell.count; ++k) {
    const DepthItem& item = shell.items[k];
    if (item.key < 0.0) {
      drawOuterViewFrontQuad(scene, item.index, m.outerQuads[item.index].count);
    }
  }
  scene.frame.andCombine(scene.front);
}

void composeScene(const Model& model, const ViewState& view, Canvas& frame, Canvas& front) {
  const Scene scene{model, frame, front, frame.width() / 2, frame.height() / 2, view.markPoints};
  if (view.outerSphere) {
    paintOuterView(scene);
  } else {
    paintInnerView(scene, view);
  }
}

}  // namespace velkora
