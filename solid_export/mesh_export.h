#pragma once
// Writing a solid for other programs (slicers for 3D printers, modellers):
// binary STL, Wavefront OBJ or OFF, chosen by the file suffix, scaled so that
// its circumscribed diameter has a given size in millimetres. Every face is
// ordered counter-clockwise seen from outside; STL fans each face from its
// centre. Qt-free; the bytes are written to a file by the caller.

#include <optional>
#include <string>
#include <string_view>

#include "base/errors.h"
#include "model/polyhedron.h"

namespace velkora {

enum class MeshFormat { Stl, Obj, Off };

inline constexpr double kDefaultDiameterMm = 60.0;
// The sizes a file may be asked for: from a bead to a room.
inline constexpr double kSmallestDiameterMm = 1.0;
inline constexpr double kLargestDiameterMm = 10000.0;

// A solid that cannot be written at the size asked for: a diameter outside
// the sizes above. Bad geometry raises EInvalidSolid (base/convex_solid.h).
class EMeshExport : public Error {
 public:
  using Error::Error;
};

// The format a path's suffix names (.stl, .obj, .off, letter case ignored).
std::optional<MeshFormat> meshFormatFromPath(std::string_view path);

// The file contents: solid moved to its centre (the mean of its vertices)
// and scaled so that twice its largest vertex distance is diameterMm.
// Throws EMeshExport for a size out of range, EInvalidSolid for bad geometry.
std::string meshFileBytes(const Polyhedron& solid, MeshFormat format, double diameterMm,
                          std::string_view name);

}  // namespace velkora
