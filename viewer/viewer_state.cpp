#include "viewer/viewer_state.h"

#include "base/errors.h"

namespace velkora {

const Solid& shownSolid(const ViewerState& state) {
  if (state.solid.geometry.vertices.empty()) throw Error("Kein Körper gewählt");
  return state.solid;
}

}  // namespace velkora
