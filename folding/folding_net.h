#pragma once
// The paper net of a solid folding up in the main picture: the fold tree of
// its default printed net, the turn that shows the flat net facing the
// viewer, and the scene of tinted faces at a fold stage in the pose and size
// the solid is shown in. At stage 1 the faces lie on the solid as the
// polyhedron view shows it; towards 0 the root face turns to face the viewer
// and the picture shrinks until the flat net fits where the solid did.

#include <string>
#include <vector>

#include "folding/net_fold.h"
#include "model/model.h"
#include "model/solid.h"
#include "render/depth_picture.h"

namespace velkora {

// The colour of a face's unprinted back, seen while the net is half folded.
inline constexpr std::uint32_t kPaperBack = 0xF4F4F4;

// A cut edge's number at the middle of that edge, just inside its face.
struct FoldLabel {
  int label = 0;
  Vec3 at;       // logical pixels, as the scene
  bool visible;  // the face shows its printed side and is the nearest there
};

class FoldingNet {
 public:
  // The default net of solid (buildNet with default options) and its tree,
  // opening from the middle face. Throws what buildNet and foldTree throw.
  explicit FoldingNet(const Solid& solid);

  // Turns the flat net so that, in the pose of shown (a model of the solid),
  // its printed side faces the viewer and it lies as on the printed page;
  // until the next call the flat net turns with the pose like the solid does.
  void faceViewer(const Model& shown);

  // The faces at stage f (clamped to 0..1) in the pose and size of shown, a
  // model of the solid: tinted by their number of corners, kPaperBack where
  // the back of the paper faces the viewer.
  void scene(double f, const Model& shown, DepthScene& out) const;

  // The faces at stage f in the solid's units and orientation, before any
  // turn to the viewer: at 1 the solid's faces, at 0 the flat net.
  std::vector<std::vector<Vec3>> facesAt(double f) const;

  // The cut numbers of the printed net on their faces at stage f, placed as
  // scene places the faces; visibility read from the depth buffer of the
  // picture composed from that scene at pixelScale.
  std::vector<FoldLabel> labels(double f, const Model& shown, const DepthBuffer& depth,
                                int pixelScale) const;

  const FoldTree& tree() const { return tree_; }
  const Solid& solid() const { return solid_; }

 private:
  // Solid coordinates at stage f to the unposed, unscaled picture frame.
  struct StageMap {
    Rotation3 turn;  // towards the viewer, (1 - f) of the way
    Vec3 offset;     // the flat net's middle, (1 - f) of it
    double zoom = 1.0;
    Vec3 operator()(Vec3 p) const { return zoom * (turn * p - offset); }
  };
  StageMap stageMap(double f) const;

  Solid solid_;
  FoldTree tree_;
  std::vector<Vec3> normals_;                    // outward, per face
  std::vector<std::vector<int>> outwardFaces_;   // counter-clockwise from outside
  std::vector<std::vector<int>> netCorners_;     // per face, in the order its cut edges count
  std::vector<std::vector<Vec2>> pagePolygons_;  // per face, on the printed page (mm, y up)
  struct Cut {
    int label = 0;
    int face = 0;
    int edge = 0;
  };
  std::vector<Cut> cuts_;
  AxisAngle facing_;      // the whole turn of the flat net towards the viewer
  Vec3 flatMiddle_;       // the flat net's area centroid after that turn
  double flatFit_ = 1.0;  // zoom of the flat net so that it fits the solid's reach
};

}  // namespace velkora
