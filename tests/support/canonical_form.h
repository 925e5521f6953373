#pragma once
// Refines a solid given to a few digits (the catalogue holds seven) to the canonical solid it
// stands for, to double precision: every edge touching the unit sphere, the touching points centred
// on the origin, every face flat. The morph reference needs such exact input; this keeps the faces
// and moves each corner by about the error of the given digits. Test support only.

#include "tests/support/morph_reference.h"

namespace velkora::reference {

// The canonical solid nearest to a convex solid around the origin whose edges nearly touch one
// sphere, scaled to midradius 1, same faces and corner numbers. Throws EMorphReference for a
// broken mesh or when the corners do not settle.
ReferenceMesh canonicalForm(const ReferenceMesh& solid);

}  // namespace velkora::reference
