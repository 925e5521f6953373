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
// faceCount and faceCentres (centres from the current vertices). Leading bytes
// 0..32 of a face line are skipped; each further byte minus 48 is a corner.
// Throws ECatalogueError for a missing or cut-short section, a count outside
// 0..501, a face with no corners or more than 24, or a corner outside
// 0..vertexCount-1; EConvertError for a count line that is not an integer.
// On failure the model may be partly written (loadModel discards it).
void loadFaces(Model& model, const ByteList& faceLines, int sectionOffset);

// The first part of loadModel: type, vertices and faces with centres, in
// catalogue units and orientation (scale 1, no tilt), into m; nothing else of
// m is touched. Throws as loadModel; on failure m may be partly written.
void loadGeometry(Model& m, std::string_view listLine, const ByteList& vertexLines,
                  const ByteList& faceLines);

// The second part of loadModel: the radii, both sphere meshes, the initial
// tilt and the scaling to 260 pixels of the geometry that loadGeometry left in
// m (scale 1). Throws ECatalogueError as loadModel; on failure m may be partly written.
void placeGeometry(Model& m);

// Loads the solid named by a list line (name, TAB, type number) into target.
// Throws EConvertError or ECatalogueError and leaves target unchanged on failure:
// besides the checks of loadFaces, a type outside 0..30, a vertex count outside
// 2..501, an edge 0-1 that gives no usable radii, and a solid whose largest
// coordinate is 0 or not finite are rejected. Entries beyond the new counts
// keep what target held before.
void loadModel(Model& target, std::string_view listLine, const ByteList& vertexLines,
               const ByteList& faceLines);

}  // namespace velkora
