#pragma once
// Loading one solid from the catalogue lists into a model: vertices, faces
// with centres, radii, both sphere meshes, the initial tilt and the scaling
// to 260 pixels. A load is all-or-nothing: the target changes only on success.

#include <string_view>

#include "catalogue/byte_list.h"
#include "model/model.h"

namespace velkora {

// Splits a vertex line at single spaces into x, y, z; a field that is not a
// number to its last character gives 0.0. Never fails; locale-independent.
void parsePoint(std::string_view line, double& x, double& y, double& z);

// Reads the face section of model.polyType + sectionOffset + 1 into faces,
// faceCount and faceCentres (centres from the current vertices).
void loadFaces(Model& model, const ByteList& faceLines, int sectionOffset);

// Loads the solid named by a list line (name, TAB, type number) into target.
// Throws EConvertError or ECatalogueError and leaves target unchanged on failure.
void loadModel(Model& target, std::string_view listLine, const ByteList& vertexLines,
               const ByteList& faceLines);

}  // namespace velkora
