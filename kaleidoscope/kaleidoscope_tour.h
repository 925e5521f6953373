#pragma once
// The kaleidoscope's tour: the path on which the point visits every stop of
// a family, as a closed loop of straight legs in weight space, and the point
// at any place on it. The window's "Rundgang" and the exported animation
// follow the same path. Only the path; no timing and no widgets.

#include <cstddef>
#include <span>
#include <vector>

#include "kaleidoscope/kaleidoscope_solid.h"
#include "kaleidoscope/wythoff.h"

namespace velkora {

// The tour's stops in order: corner A, the stops on side AB, corner B, those
// on BC, corner C, those on CA, back to A, then the stops inside. The loop
// closes from the last stop back to the first (corner A).
std::vector<WythoffWeights> kaleidoscopeTour(std::span<const KaleidoscopeStop> stops);

// The point a share s (0 <= s < 1) of the way along leg of tour (from stop
// leg to stop leg + 1, the last leg back to stop 0); exactly that stop at s = 0.
// Needs at least two stops and leg < tour.size().
WythoffWeights tourPoint(std::span<const WythoffWeights> tour, std::size_t leg, double s);

// The point at phase (0 <= phase < 1) of the whole loop, every leg taking the
// same share; phase 0 is the first stop. Needs at least two stops.
WythoffWeights tourPointAt(std::span<const WythoffWeights> tour, double phase);

}  // namespace velkora
