#pragma once
// The data of a paper net: options, paper, and the finished document with its
// pages of unfolded faces, fold pairs, numbered cut edges and glue tabs. Page
// coordinates are millimetres with the origin at the paper's bottom-left
// corner and y pointing up; every polygon runs counter-clockwise. Where the
// printed texts go is laid out in nets/net_labels.h.

#include <optional>
#include <string>
#include <vector>

#include "base/errors.h"
#include "base/vec.h"

namespace velkora {

enum class Paper { A4, A3, Letter };
enum class Orientation { Portrait, Landscape, Best };
// Glue tabs: One on one side of every cut pair, Both on both sides (for thin
// paper), None at all.
enum class TabStyle { One, Both, None };

struct NetOptions {
  Paper paper = Paper::A4;
  Orientation orientation = Orientation::Best;
  std::optional<double> edgeMm;       // longest edge of the solid in mm; empty: largest that fits
  bool tabs = true;                   // false draws no tabs whatever tabStyle says
  TabStyle tabStyle = TabStyle::One;  // the tabs drawn when tabs is true
  bool numbers = true;                // cut numbers
  bool faceNumbers = true;            // each face's number (NetFace::face + 1) inside it
  bool foldAngles = false;            // the solid's dihedral angle along each fold line
  bool scaleBar = true;               // a 50 mm bar to check the printed size
};

// The tabs a net gets with these options.
inline TabStyle effectiveTabStyle(const NetOptions& options) {
  return options.tabs ? options.tabStyle : TabStyle::None;
}

// A net that cannot be made with the given options (edge size too large for a
// single face, not a positive number, or a solid that cannot be unfolded).
class ENetError : public Error {
 public:
  using Error::Error;
};

// A face's printed number is its catalogue face index + 1 (face 0 prints as
// "1"); worksheets list the faces by the same number.
struct NetFace {
  int face = 0;               // catalogue face index
  std::vector<int> vertices;  // catalogue vertex index of each polygon corner
  std::vector<Vec2> polygon;  // counter-clockwise, mm on the page
};

// One side of a cut edge pair: edge k of a face runs from polygon[k] to polygon[k + 1].
struct NetCut {
  int label = 0;
  int face = 0;  // catalogue face index
  int edge = 0;  // corner index k in that face's polygon
  Vec2 from;
  Vec2 to;
  bool hasTab = false;  // this side carries a glue tab (with TabStyle::Both maybe both sides)
};

struct NetTab {
  int label = 0;
  std::vector<Vec2> polygon;  // counter-clockwise; the first two corners are the glued edge
};

struct NetPage {
  std::vector<NetFace> faces;
  std::vector<std::pair<int, int>> folds;  // catalogue face indices, smaller first
  // The solid's dihedral angle at folds[k] in degrees (between the two faces,
  // inside the solid: 90 for a cube).
  std::vector<double> foldDegrees;
  std::vector<NetCut> cuts;
  std::vector<NetTab> tabs;
};

struct NetDocument {
  std::string solid;  // UTF-8 name
  int type = 0;
  double edgeMm = 0.0;  // length of the solid's longest edge on paper
  double paperWidthMm = 0.0;
  double paperHeightMm = 0.0;
  double marginMm = 10.0;
  bool numbers = true;                // draw the cut numbers
  bool tabs = true;                   // tabs were asked for: a pair without one is marked
  TabStyle tabStyle = TabStyle::One;  // the tabs that were planned (None when tabs is false)
  bool faceNumbers = true;
  bool foldAngles = false;
  bool scaleBar = true;
  int pieces = 0;  // connected pieces over all pages
  std::vector<NetPage> pages;
};

}  // namespace velkora
