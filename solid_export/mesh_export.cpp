#include "solid_export/mesh_export.h"

#include <algorithm>
#include <cctype>

#include "solid_export/mesh_writers.h"
#include "solid_export/outward_mesh.h"

namespace velkora {

std::optional<MeshFormat> meshFormatFromPath(std::string_view path) {
  const auto dot = path.rfind('.');
  const auto slash = path.find_last_of("/\\");
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) {
    return std::nullopt;
  }
  std::string suffix(path.substr(dot + 1));
  std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (suffix == "stl") return MeshFormat::Stl;
  if (suffix == "obj") return MeshFormat::Obj;
  if (suffix == "off") return MeshFormat::Off;
  return std::nullopt;
}

std::string meshFileBytes(const Polyhedron& solid, MeshFormat format, double diameterMm,
                          std::string_view name) {
  const OutwardMesh mesh = outwardMesh(solid, diameterMm);
  switch (format) {
    case MeshFormat::Obj:
      return objText(mesh, name);
    case MeshFormat::Off:
      return offText(mesh, name);
    case MeshFormat::Stl:
      break;
  }
  return stlBytes(mesh, name);
}

}  // namespace velkora
