#pragma once
// The frames of an exported animation: what moves (the solid turning once,
// its morph into the dual and back, the kaleidoscope's tour) as the model
// and view of frame k of n. No pixels, files or encoding here; no Qt.
// A new kind is one more AnimationKind and one frame function, entered with
// its names in the table of kinds (animation_frames.cpp); the command line and
// the window list every kind of that table.

#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "base/errors.h"
#include "kaleidoscope/wythoff.h"
#include "model/model.h"
#include "model/solid.h"
#include "render/frame.h"

namespace velkora {

enum class AnimationKind { Spin, Morph, Kaleidoscope, Fold, Jitterbug };

// Every kind, in the order the command line and the window list them.
std::vector<AnimationKind> animationKinds();

// The kind's name on the command line ("spin", "morph", "kaleidoscope"), its
// German label for the window, and the kind of a name (letter case ignored;
// empty for an unknown name).
std::string_view animationKindName(AnimationKind kind);
std::string_view animationKindLabel(AnimationKind kind);
std::optional<AnimationKind> animationKindOf(std::string_view name);

inline constexpr int kDefaultAnimationFrames = 72;
inline constexpr int kMinAnimationFrames = 2;
inline constexpr int kMaxAnimationFrames = 720;

// An animation that cannot be made: a frame count out of range, a
// kaleidoscope for a solid without a symmetry family of its own.
class EAnimation : public Error {
 public:
  using Error::Error;
};

// What an animation shows: a solid (catalogue units) and its model in the
// pose and size of the first frame, with the view and the marks.
struct AnimationScene {
  Solid solid;
  std::shared_ptr<const Model> start;
  ViewState view;  // extraMarks are not drawn
  // The family whose tour the kaleidoscope runs; needed by that kind only.
  std::optional<WythoffFamily> family;
  // The copies of the point whose solids and stops the tour shows.
  WythoffCopies copies = WythoffCopies::Reflections;
  // Every frame but the folding net's fills the faces in the tints of their kinds.
  bool colourFaces = false;
};

class AnimationFrames {
 public:
  // count frames of kind over scene; catalogue names the stops of the morph
  // and the kaleidoscope. Throws EAnimation for a count outside 2-720 or a
  // kaleidoscope without a family, and what the morph's set-up throws.
  AnimationFrames(AnimationKind kind, AnimationScene scene, int count,
                  std::span<const Solid> catalogue);
  ~AnimationFrames();
  AnimationFrames(const AnimationFrames&) = delete;
  AnimationFrames& operator=(const AnimationFrames&) = delete;

  AnimationKind kind() const { return kind_; }
  int count() const { return count_; }
  // Frame k (0 <= k < count) into model; returns the view to draw it in.
  // Frame 0 is the scene's start model and view as they are. The folding
  // net is no model: its frames give the start model, and only compose
  // draws the net.
  ViewState frame(int k, Model& model);
  // Draws frame k into buffers.frame at width x height device pixels,
  // scale per logical pixel; model is the working store of the frame.
  void compose(int k, int width, int height, FrameBuffers& buffers, Model& model, int scale);

  // What the frame functions keep between frames (the morph, the tour, the jitterbug).
  struct Setup;

 private:
  AnimationKind kind_;
  int count_;
  std::unique_ptr<Setup> setup_;
};

}  // namespace velkora
