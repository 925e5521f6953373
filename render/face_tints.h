#pragma once
// Faces filled in tints of their own in place of the shell's green (or the
// core's yellow): the palette of face kinds, the table of one frame's tints,
// the codes a frame is painted with a second time to tell where each tint
// shows, and the step that puts the tints into the finished picture. Outlines,
// marks, the spheres and the background keep the colours of the plain picture.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace velkora {

// Light tints of the Okabe-Ito colours (55 % colour on white), which viewers
// with any common colour-vision deficiency tell apart: orange, sky blue,
// bluish green, reddish purple, yellow, blue, vermillion; the first three,
// the kinds most solids have, stay furthest apart. Light enough that red
// outlines, the dotted hidden edges and the yellow marks stand out on them.
inline constexpr std::array<std::uint32_t, 7> kKindTints = {
    0xFFF1CA73u, 0xFFA2D6F3u, 0xFF73CAB2u, 0xFFE3B5CFu, 0xFFF7F097u, 0xFF73B1D5u, 0xFFE8A673u,
};

// The tint of the faces picked in the picture: a light golden yellow, not
// one of the kinds' tints, that stands out on the shell and on every kind.
inline constexpr std::uint32_t kPickTint = 0xFFFFE066u;

// The tint of face kind kind (0, 1, ...): the palette's colours in turn.
// Needs kind >= 0.
std::uint32_t kindTint(int kind);

// The tints of the faces whose kinds are kindOfFace (each >= 0).
std::vector<std::uint32_t> tintsOfKinds(std::span<const int> kindOfFace);

// A tint seen through the front half of the shell: its red and blue taken
// down a tenth, as the shell's light green does them by more, so that the
// tints keep their hue. Front faces show this, faces seen directly their tint.
std::uint32_t behindGlass(std::uint32_t tint);

// One frame's tints: the distinct colours (top byte ignored) and, per face
// of the model, the index of its colour or -1 for a face without a tint.
struct TintTable {
  std::vector<std::uint32_t> colours;
  std::vector<int> tintOfFace;

  bool empty() const { return colours.empty(); }
  // The tint index of face index, or -1.
  int tintOf(int face) const {
    return face >= 0 && static_cast<std::size_t>(face) < tintOfFace.size()
               ? tintOfFace[static_cast<std::size_t>(face)]
               : -1;
  }
};

// The most distinct tints a frame takes; faces of further colours keep the
// plain fill.
inline constexpr int kMaxTints = 250;

// The table of faceTints for a model of faceCount faces: entry k tints face
// k; a zero entry, entries past faceCount and missing ones tint nothing.
TintTable tintTableOf(std::span<const std::uint32_t> faceTints, int faceCount);

// The tint codes. A frame painted a second time with these in place of its
// colours tells, per pixel, what each layer showed there: the back layer in
// the low 16 bits, the front layer in the 8 above them. A layer paints its
// codes with all bits of the other layer's part set, so the AND of the two
// keeps both, and a white pixel is empty on both.
enum class TintClass : std::uint32_t {
  Tint = 0,            // plus the tint's index in the table
  Empty = 0xFF,        // nothing painted (the white of a cleared layer)
  Stroke = 0xFE,       // an outline, dot or mark: never tinted
  OtherFill = 0xFD,    // the fill of a sphere polygon
  UntintedFace = 0xFC  // the fill of a face without a tint
};

// The code of class (with tint, the tint's index) on the back layer (the
// frame) or the front layer.
std::uint32_t tintCode(bool frontLayer, TintClass kind, int tint = 0);

// Gives count pixels of a finished plain picture their tints, from the same
// pixels of the frame painted in tint codes: a front face's fill over a face
// or over nothing shows its tint behind the glass; the fill of a face seen
// through an untinted front polygon (a sphere's or a face's) its tint behind
// the glass; a face's fill with nothing in front of it its tint. Every other
// pixel keeps its colour.
void applyTints(std::uint32_t* picture, const std::uint32_t* codes, std::size_t count,
                const TintTable& table);

}  // namespace velkora
