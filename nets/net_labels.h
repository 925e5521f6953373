#pragma once
// Where the texts of a net page go: cut numbers, face numbers, fold angles, the
// title line, the scale bar and the how-to line at the foot. Every label gets a
// box that touches no line and no other label; a label that has no room
// shrinks or moves, and is left out only where nothing fits. Qt-free: the
// caller measures text in its font, so that the boxes laid out are the boxes
// drawn. Page millimetres, origin bottom-left, y up.

#include <functional>
#include <string>
#include <vector>

#include "nets/net_types.h"

namespace velkora {

enum class LabelKind { PageText, ScaleBar, CutNumber, FaceNumber, FoldAngle };

// The ink of a text set one millimetre high (font size), relative to the
// start of its baseline, y up: left and right, bottom (below the baseline
// negative) and top.
struct TextInk {
  double left = 0.0, right = 0.0, bottom = 0.0, top = 0.0;
};
using TextMeasure = std::function<TextInk(const std::string& utf8)>;

inline constexpr double kLabelPadMm = 0.3;  // free paper around the ink of every label
inline constexpr double kScaleBarMm = 50.0;
inline constexpr double kScaleBarThicknessMm = 1.0;

struct NetLabel {
  LabelKind kind = LabelKind::PageText;
  std::string text;     // UTF-8; empty for the scale bar itself
  double sizeMm = 0.0;  // font size; for the scale bar its thickness
  Vec2 origin;          // start of the baseline; for the scale bar its lower left corner
  double angle = 0.0;   // direction of the baseline, radians counter-clockwise
  // The ink grown by kLabelPadMm on every side (the bar: the bar so grown),
  // four corners counter-clockwise.
  std::vector<Vec2> box;
};

// The texts of the page for people, in German.
std::string netTitleText(const NetDocument& net);
std::string netPageNumberText(const NetDocument& net, int page);
std::string netHowToText();
std::string scaleBarText();
std::string foldAngleText(double degrees);  // "138,2°"

// Every label of page (0-based, needs a page the net has) in drawing order:
// page texts and scale bar, then cut numbers, face numbers and fold angles as
// the net asks for them.
std::vector<NetLabel> layOutLabels(const NetDocument& net, int page, const TextMeasure& measure);

// The lines drawn on page: every face edge and the cut rim of every tab, as
// segments. Labels keep clear of them.
std::vector<std::pair<Vec2, Vec2>> netPageLines(const NetDocument& net, int page);

}  // namespace velkora
