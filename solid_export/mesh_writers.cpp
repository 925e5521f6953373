#include "solid_export/mesh_writers.h"
#include "base/portable_charconv.h"

#include <bit>
#include <cstdint>

#include "text/number_text.h"

namespace velkora {
namespace {

constexpr std::size_t kStlHeaderBytes = 80;

void putU16(std::string& out, std::uint16_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>(value >> 8);
}

void putU32(std::string& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8)
    out += static_cast<char>((value >> shift) & 0xFF);
}

void putFloat(std::string& out, double value) {
  putU32(out, bitCast<std::uint32_t>(static_cast<float>(value)));
}

void putPoint(std::string& out, const Point3& p) {
  putFloat(out, p.x);
  putFloat(out, p.y);
  putFloat(out, p.z);
}

void appendNumber(std::string& out, double value) { out += shortestText(value); }

void appendPoint(std::string& out, const Point3& p) {
  appendNumber(out, p.x);
  out += ' ';
  appendNumber(out, p.y);
  out += ' ';
  appendNumber(out, p.z);
}

}  // namespace

std::string printableName(std::string_view name) {
  std::string text(name);
  for (char& c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 32 || byte == 127) c = ' ';
  }
  return text;
}

std::string stlBytes(const OutwardMesh& mesh, std::string_view name) {
  // The header must not start with "solid", which readers take for ASCII STL.
  std::string header = "Korvelindra: " + printableName(name);
  header.resize(kStlHeaderBytes, '\0');
  std::uint32_t triangles = 0;
  for (const auto& face : mesh.faces)
    triangles += static_cast<std::uint32_t>(face.size());
  std::string out = header;
  out.reserve(kStlHeaderBytes + 4 + 50 * std::size_t{triangles});
  putU32(out, triangles);
  for (std::size_t f = 0; f < mesh.faces.size(); ++f) {
    const auto& face = mesh.faces[f];
    for (std::size_t i = 0; i < face.size(); ++i) {
      putPoint(out, mesh.normals[f]);
      putPoint(out, mesh.centres[f]);
      putPoint(out, mesh.points[static_cast<std::size_t>(face[i])]);
      putPoint(out, mesh.points[static_cast<std::size_t>(face[(i + 1) % face.size()])]);
      putU16(out, 0);
    }
  }
  return out;
}

std::string objText(const OutwardMesh& mesh, std::string_view name) {
  std::string out = "# Korvelindra, Maße in Millimetern\no " + printableName(name) + "\n";
  for (const Point3& p : mesh.points) {
    out += "v ";
    appendPoint(out, p);
    out += '\n';
  }
  for (const auto& face : mesh.faces) {
    out += 'f';
    for (const int c : face)
      out += ' ' + std::to_string(c + 1);
    out += '\n';
  }
  return out;
}

std::string offText(const OutwardMesh& mesh, std::string_view name) {
  std::string out = "OFF\n# " + printableName(name) + " (Korvelindra, Maße in Millimetern)\n";
  out += std::to_string(mesh.points.size()) + ' ' + std::to_string(mesh.faces.size()) + " 0\n";
  for (const Point3& p : mesh.points) {
    appendPoint(out, p);
    out += '\n';
  }
  for (const auto& face : mesh.faces) {
    out += std::to_string(face.size());
    for (const int c : face)
      out += ' ' + std::to_string(c);
    out += '\n';
  }
  return out;
}

}  // namespace velkora
