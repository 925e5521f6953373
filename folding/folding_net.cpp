#include "folding/folding_net.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "base/convex_solid.h"
#include "morph/morph_solid.h"
#include "nets/layout.h"
#include "nets/net_tints.h"

namespace velkora {

namespace {

// The linear map from the solid's units and orientation to the picture's
// logical pixels for shown: its images of the three unit vectors.
struct Placement {
  std::array<Vec3, 3> columns;
  Vec3 operator()(Vec3 p) const { return columns[0] * p.x + columns[1] * p.y + columns[2] * p.z; }
};

Placement placementOf(const Solid& solid, const Model& shown) {
  const std::array<Vec3, 3> basis{Vec3{1, 0, 0}, Vec3{0, 1, 0}, Vec3{0, 0, 1}};
  const std::vector<Point3> placed = placePoints(basis, solid, shown);
  return {{placed[0], placed[1], placed[2]}};
}

// The area centroid of polygons in space (fan triangles from each first corner).
Vec3 areaCentroid(const std::vector<std::vector<Vec3>>& polygons) {
  Vec3 sum;
  double area = 0.0;
  for (const std::vector<Vec3>& polygon : polygons) {
    for (std::size_t k = 1; k + 1 < polygon.size(); ++k) {
      const double a = norm(cross(polygon[k] - polygon[0], polygon[k + 1] - polygon[0])) / 2.0;
      sum = sum + a / 3.0 * (polygon[0] + polygon[k] + polygon[k + 1]);
      area += a;
    }
  }
  return area > 0.0 ? sum / area : Vec3{};
}

}  // namespace

FoldingNet::FoldingNet(const Solid& solid) : solid_(solid) {
  const NetDocument net = buildNet(solid, NetOptions{});
  std::vector<std::pair<int, int>> folds;
  netCorners_.resize(solid.geometry.faces.size());
  for (const NetPage& page : net.pages) {
    for (const NetFace& face : page.faces) {
      netCorners_.at(static_cast<std::size_t>(face.face)) = face.vertices;
      pagePolygons_.resize(netCorners_.size());
      pagePolygons_[static_cast<std::size_t>(face.face)] = face.polygon;
    }
    folds.insert(folds.end(), page.folds.begin(), page.folds.end());
    for (const NetCut& cut : page.cuts)
      cuts_.push_back({cut.label, cut.face, cut.edge});
  }
  tree_ = foldTree(solid.geometry, folds);
  const ConvexSolid convex = checkConvexSolid(solid.geometry.vertices, solid.geometry.faces);
  normals_ = convex.normals;
  outwardFaces_ = convex.faces;
}

void FoldingNet::faceViewer(const Model& shown) {
  const Placement place = placementOf(solid_, shown);
  // The direction in the solid's frame that the pose turns towards the
  // viewer (z grows away from the viewer): the transposed placement of -z.
  const Vec3 toViewer{-place.columns[0].z, -place.columns[1].z, -place.columns[2].z};
  const Vec3 viewer = normalized(toViewer);
  Rotation3 facing = rotationBetween(normals_[static_cast<std::size_t>(tree_.root)], viewer);
  // Then about the line of sight, so that the flat net lies as the printed
  // page does in front of the viewer: the root's first edge runs across the
  // screen (y down) as it runs across the page (y up).
  const auto root = static_cast<std::size_t>(tree_.root);
  if (netCorners_[root].size() >= 2 && pagePolygons_[root].size() >= 2) {
    const Vec3 across{place.columns[0].x, place.columns[1].x, place.columns[2].x};
    const Vec3 down{place.columns[0].y, place.columns[1].y, place.columns[2].y};
    const auto screenAngle = [&](Vec3 e) { return std::atan2(dot(e, down), dot(e, across)); };
    const Vec3 edge =
        facing * (solid_.geometry.vertices[static_cast<std::size_t>(netCorners_[root][1])] -
                  solid_.geometry.vertices[static_cast<std::size_t>(netCorners_[root][0])]);
    const Vec2 onPage = pagePolygons_[root][1] - pagePolygons_[root][0];
    const double turn = std::atan2(-onPage.y, onPage.x) - screenAngle(edge);
    // Which way a turn about the line of sight runs on the screen depends on
    // the pose's handedness; take the one that lands.
    for (const double sign : {1.0, -1.0}) {
      const Rotation3 spin = axisRotation(viewer, sign * turn);
      const double landed = screenAngle(spin * edge) - std::atan2(-onPage.y, onPage.x);
      if (std::abs(std::remainder(landed, 2.0 * std::numbers::pi)) < 1e-6) {
        facing = spin * facing;
        break;
      }
    }
  }
  facing_ = axisAngleOf(facing);
  std::vector<std::vector<Vec3>> flat = facesAt(0.0);
  for (std::vector<Vec3>& face : flat) {
    for (Vec3& p : face)
      p = facing * p;
  }
  flatMiddle_ = areaCentroid(flat);
  double netReach = 0.0;
  for (const std::vector<Vec3>& face : flat) {
    for (const Vec3& p : face)
      netReach = std::max(netReach, norm(p - flatMiddle_));
  }
  double solidReach = 0.0;
  for (const Vec3& v : solid_.geometry.vertices)
    solidReach = std::max(solidReach, norm(v));
  flatFit_ = netReach > solidReach ? solidReach / netReach : 1.0;
}

FoldingNet::StageMap FoldingNet::stageMap(double f) const {
  const double open = 1.0 - std::clamp(f, 0.0, 1.0);
  return {axisRotation(facing_.axis, open * facing_.angle), open * flatMiddle_,
          std::pow(flatFit_, open)};
}

std::vector<std::vector<Vec3>> FoldingNet::facesAt(double f) const {
  return foldedFaces(solid_.geometry, tree_, f);
}

void FoldingNet::scene(double f, const Model& shown, DepthScene& out) const {
  out.clear();
  const Placement place = placementOf(solid_, shown);
  const StageMap stage = stageMap(f);
  const std::vector<RigidMotion> motions = foldMotions(tree_, f);
  std::vector<Vec3> corners;
  for (std::size_t i = 0; i < outwardFaces_.size(); ++i) {
    corners.clear();
    for (const int corner : outwardFaces_[i])
      corners.push_back(
          place(stage(motions[i](solid_.geometry.vertices[static_cast<std::size_t>(corner)]))));
    const Vec3 normal = place(stage.turn * (motions[i].turn * normals_[i]));
    out.addPolygon(corners, normal.z > 0.0 ? kPaperBack : netTint(corners.size()));
  }
}

std::vector<FoldLabel> FoldingNet::labels(double f, const Model& shown, const DepthBuffer& depth,
                                          int pixelScale) const {
  const Placement place = placementOf(solid_, shown);
  const StageMap stage = stageMap(f);
  const std::vector<RigidMotion> motions = foldMotions(tree_, f);
  const int scale = std::clamp(pixelScale, 1, 4);
  std::vector<FoldLabel> labels;
  for (const Cut& cut : cuts_) {
    const auto face = static_cast<std::size_t>(cut.face);
    const std::vector<int>& corners = netCorners_[face];
    if (corners.size() < 3) continue;
    const auto placed = [&](int corner) {
      return place(
          stage(motions[face](solid_.geometry.vertices[static_cast<std::size_t>(corner)])));
    };
    Vec3 middle;
    for (const int corner : corners)
      middle = middle + placed(corner);
    middle = middle / static_cast<double>(corners.size());
    const std::size_t k = static_cast<std::size_t>(cut.edge) % corners.size();
    const Vec3 edgeMiddle = (placed(corners[k]) + placed(corners[(k + 1) % corners.size()])) / 2.0;
    FoldLabel label{cut.label, edgeMiddle + 0.25 * (middle - edgeMiddle), false};
    const Vec3 normal = place(stage.turn * (motions[face].turn * normals_[face]));
    const int x = static_cast<int>(std::floor(scale * label.at.x + depth.width / 2));
    const int y = static_cast<int>(std::floor(scale * label.at.y + depth.height / 2));
    if (normal.z < 0.0 && x >= 0 && y >= 0 && x < depth.width && y < depth.height)
      label.visible = label.at.z <= depth.at(x, y) + 0.5;
    labels.push_back(label);
  }
  return labels;
}

}  // namespace velkora
