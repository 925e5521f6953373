#include "solid_export/mesh_export.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "catalogue/errors.h"

namespace velkora {

namespace {

Point3 minus(const Point3& a, const Point3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Point3 cross(const Point3& a, const Point3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double dot(const Point3& a, const Point3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
double length(const Point3& a) { return std::sqrt(dot(a, a)); }

// The solid ready to write: centred, scaled, faces counter-clockwise from outside.
struct Mesh {
  std::vector<Point3> vertices;
  std::vector<std::vector<int>> faces;
};

Point3 faceCentre(const Mesh& mesh, const std::vector<int>& face) {
  Point3 sum;
  for (const int v : face) {
    sum.x += mesh.vertices[static_cast<std::size_t>(v)].x;
    sum.y += mesh.vertices[static_cast<std::size_t>(v)].y;
    sum.z += mesh.vertices[static_cast<std::size_t>(v)].z;
  }
  const double n = static_cast<double>(face.size());
  return {sum.x / n, sum.y / n, sum.z / n};
}

// Newell's normal: exact for planar polygons in either corner order.
Point3 faceNormal(const Mesh& mesh, const std::vector<int>& face) {
  Point3 normal;
  for (std::size_t k = 0; k < face.size(); ++k) {
    const Point3& a = mesh.vertices[static_cast<std::size_t>(face[k])];
    const Point3& b = mesh.vertices[static_cast<std::size_t>(face[(k + 1) % face.size()])];
    normal.x += (a.y - b.y) * (a.z + b.z);
    normal.y += (a.z - b.z) * (a.x + b.x);
    normal.z += (a.x - b.x) * (a.y + b.y);
  }
  return normal;
}

Mesh prepare(const Polyhedron& solid, double diameterMm) {
  if (!std::isfinite(diameterMm) || diameterMm <= 0.0) {
    throw Error("Der Durchmesser muss eine positive Zahl sein, nicht " +
                std::to_string(diameterMm));
  }
  if (solid.vertices.size() < 4 || solid.faces.size() < 4) {
    throw Error("Ein Körper braucht mindestens 4 Ecken und 4 Flächen");
  }
  Point3 centre;
  for (const Point3& v : solid.vertices) {
    centre.x += v.x;
    centre.y += v.y;
    centre.z += v.z;
  }
  const double n = static_cast<double>(solid.vertices.size());
  centre = {centre.x / n, centre.y / n, centre.z / n};
  double radius = 0.0;
  for (const Point3& v : solid.vertices) radius = std::max(radius, length(minus(v, centre)));
  if (!(radius > 0.0) || !std::isfinite(radius)) {
    throw Error("Der Körper hat keine Ausdehnung");
  }
  const double scale = diameterMm / (2.0 * radius);

  Mesh mesh;
  for (const Point3& v : solid.vertices) {
    const Point3 d = minus(v, centre);
    mesh.vertices.push_back({d.x * scale, d.y * scale, d.z * scale});
  }
  for (const std::vector<int>& face : solid.faces) {
    if (face.size() < 3) throw Error("Eine Fläche hat weniger als 3 Ecken");
    for (const int v : face) {
      if (v < 0 || static_cast<std::size_t>(v) >= mesh.vertices.size()) {
        throw Error("Eine Fläche nennt eine Ecke außerhalb des Körpers");
      }
    }
    std::vector<int> ordered = face;
    // The solid is convex around its centre: a face's normal points away from it.
    if (dot(faceNormal(mesh, ordered), faceCentre(mesh, ordered)) < 0.0) {
      std::reverse(ordered.begin(), ordered.end());
    }
    mesh.faces.push_back(std::move(ordered));
  }
  return mesh;
}

// Shortest text that reads back to the same double, independent of the locale.
void appendNumber(std::string& out, double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, result.ptr);
}

void appendPoint(std::string& out, const Point3& p) {
  appendNumber(out, p.x);
  out += ' ';
  appendNumber(out, p.y);
  out += ' ';
  appendNumber(out, p.z);
}

std::string objBytes(const Mesh& mesh, std::string_view name) {
  std::string out = "# Korvelindra: ";
  out += name;
  out += ", millimetres\no solid\n";
  for (const Point3& v : mesh.vertices) {
    out += "v ";
    appendPoint(out, v);
    out += '\n';
  }
  for (const auto& face : mesh.faces) {
    out += 'f';
    for (const int v : face) out += ' ' + std::to_string(v + 1);
    out += '\n';
  }
  return out;
}

std::string offBytes(const Mesh& mesh, std::string_view name) {
  std::string out = "OFF\n# Korvelindra: ";
  out += name;
  out += ", millimetres\n" + std::to_string(mesh.vertices.size()) + ' ' +
         std::to_string(mesh.faces.size()) + " 0\n";
  for (const Point3& v : mesh.vertices) {
    appendPoint(out, v);
    out += '\n';
  }
  for (const auto& face : mesh.faces) {
    out += std::to_string(face.size());
    for (const int v : face) out += ' ' + std::to_string(v);
    out += '\n';
  }
  return out;
}

void appendLittleEndian(std::string& out, std::uint32_t value, int bytes) {
  for (int k = 0; k < bytes; ++k) out += static_cast<char>((value >> (8 * k)) & 0xFFu);
}

void appendFloat(std::string& out, double value) {
  appendLittleEndian(out, std::bit_cast<std::uint32_t>(static_cast<float>(value)), 4);
}

void appendVector(std::string& out, const Point3& p) {
  appendFloat(out, p.x);
  appendFloat(out, p.y);
  appendFloat(out, p.z);
}

std::string stlBytes(const Mesh& mesh, std::string_view name) {
  // The header must not begin with "solid", which marks a text STL.
  std::string header = "Korvelindra binary STL, millimetres: ";
  header += name;
  header.resize(80, ' ');
  std::string out = header;
  std::uint32_t triangles = 0;
  for (const auto& face : mesh.faces) triangles += static_cast<std::uint32_t>(face.size());
  appendLittleEndian(out, triangles, 4);
  for (const auto& face : mesh.faces) {
    const Point3 centre = faceCentre(mesh, face);
    const Point3 normal = faceNormal(mesh, face);
    const double n = length(normal);
    const Point3 unit{normal.x / n, normal.y / n, normal.z / n};
    for (std::size_t k = 0; k < face.size(); ++k) {
      appendVector(out, unit);
      appendVector(out, centre);
      appendVector(out, mesh.vertices[static_cast<std::size_t>(face[k])]);
      appendVector(out, mesh.vertices[static_cast<std::size_t>(face[(k + 1) % face.size()])]);
      appendLittleEndian(out, 0, 2);
    }
  }
  return out;
}

}  // namespace

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
  const Mesh mesh = prepare(solid, diameterMm);
  switch (format) {
    case MeshFormat::Obj:
      return objBytes(mesh, name);
    case MeshFormat::Off:
      return offBytes(mesh, name);
    case MeshFormat::Stl:
      break;
  }
  return stlBytes(mesh, name);
}

}  // namespace velkora
