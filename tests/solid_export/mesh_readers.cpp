#include "tests/solid_export/mesh_readers.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <map>
#include <stdexcept>
#include <tuple>
#include <utility>

namespace velkora::test {
namespace {

std::uint32_t u32At(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int k = 3; k >= 0; --k) {
    value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(k)]);
  }
  return value;
}

float floatAt(std::string_view bytes, std::size_t at) {
  return std::bit_cast<float>(u32At(bytes, at));
}

std::vector<std::string_view> lines(std::string_view text) {
  std::vector<std::string_view> list;
  while (!text.empty()) {
    const auto end = text.find('\n');
    list.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return list;
}

std::vector<std::string_view> fields(std::string_view line) {
  std::vector<std::string_view> list;
  std::size_t pos = 0;
  while (pos < line.size()) {
    while (pos < line.size() && line[pos] == ' ')
      ++pos;
    const std::size_t start = pos;
    while (pos < line.size() && line[pos] != ' ')
      ++pos;
    if (pos > start) list.push_back(line.substr(start, pos - start));
  }
  return list;
}

double toDouble(std::string_view field) {
  double value = 0.0;
  const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (ec != std::errc{} || end != field.data() + field.size()) {
    throw std::runtime_error("not a number: " + std::string(field));
  }
  return value;
}

int toInt(std::string_view field) {
  int value = 0;
  const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (ec != std::errc{} || end != field.data() + field.size()) {
    throw std::runtime_error("not an integer: " + std::string(field));
  }
  return value;
}

void checkIndices(const ReadMesh& mesh) {
  for (const auto& face : mesh.faces) {
    if (face.size() < 3) throw std::runtime_error("face with fewer than 3 corners");
    for (const int c : face) {
      if (c < 0 || c >= static_cast<int>(mesh.points.size())) {
        throw std::runtime_error("corner out of range: " + std::to_string(c));
      }
    }
  }
}

Vec sub(const Vec& a, const Vec& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
Vec cross(const Vec& a, const Vec& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
double dot(const Vec& a, const Vec& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

Vec cornerMean(const ReadMesh& mesh, const std::vector<int>& face) {
  Vec c{};
  for (const int i : face) {
    for (int k = 0; k < 3; ++k)
      c[k] += mesh.points[static_cast<std::size_t>(i)][k];
  }
  for (double& x : c)
    x /= static_cast<double>(face.size());
  return c;
}

}  // namespace

ReadMesh readStl(std::string_view bytes) {
  if (bytes.size() < 84) throw std::runtime_error("STL shorter than its header");
  ReadMesh mesh;
  mesh.name = std::string(bytes.substr(0, 80));
  mesh.name.erase(std::find(mesh.name.begin(), mesh.name.end(), '\0'), mesh.name.end());
  const std::uint32_t count = u32At(bytes, 80);
  if (bytes.size() != 84 + 50 * std::size_t{count}) {
    throw std::runtime_error("STL size does not match its triangle count");
  }
  std::map<std::tuple<float, float, float>, int> index;
  for (std::size_t t = 0; t < count; ++t) {
    const std::size_t at = 84 + 50 * t;
    mesh.storedNormals.push_back(
        {floatAt(bytes, at), floatAt(bytes, at + 4), floatAt(bytes, at + 8)});
    std::vector<int> face;
    for (std::size_t corner = 0; corner < 3; ++corner) {
      const std::size_t p = at + 12 + 12 * corner;
      const auto key =
          std::make_tuple(floatAt(bytes, p), floatAt(bytes, p + 4), floatAt(bytes, p + 8));
      const auto [it, fresh] = index.emplace(key, static_cast<int>(mesh.points.size()));
      if (fresh) {
        mesh.points.push_back({std::get<0>(key), std::get<1>(key), std::get<2>(key)});
      }
      face.push_back(it->second);
    }
    if (bytes[at + 48] != 0 || bytes[at + 49] != 0) throw std::runtime_error("attribute not 0");
    mesh.faces.push_back(face);
  }
  checkIndices(mesh);
  return mesh;
}

ReadMesh readObj(std::string_view text) {
  ReadMesh mesh;
  for (const std::string_view line : lines(text)) {
    const auto f = fields(line);
    if (f.empty() || f[0].front() == '#') continue;
    if (f[0] == "o") {
      mesh.name = std::string(line.substr(2));
    } else if (f[0] == "v") {
      if (f.size() != 4) throw std::runtime_error("vertex without 3 coordinates");
      mesh.points.push_back({toDouble(f[1]), toDouble(f[2]), toDouble(f[3])});
    } else if (f[0] == "f") {
      std::vector<int> face;
      for (std::size_t k = 1; k < f.size(); ++k)
        face.push_back(toInt(f[k]) - 1);
      mesh.faces.push_back(face);
    } else {
      throw std::runtime_error("unknown OBJ line: " + std::string(line));
    }
  }
  checkIndices(mesh);
  return mesh;
}

ReadMesh readOff(std::string_view text) {
  std::vector<std::string_view> body;
  ReadMesh mesh;
  const auto all = lines(text);
  if (all.empty() || all[0] != "OFF") throw std::runtime_error("OFF without its keyword");
  for (std::size_t k = 1; k < all.size(); ++k) {
    if (!all[k].empty() && all[k][0] == '#') {
      mesh.name = std::string(all[k].substr(std::min<std::size_t>(2, all[k].size())));
    } else if (!fields(all[k]).empty()) {
      body.push_back(all[k]);
    }
  }
  if (body.empty()) throw std::runtime_error("OFF without counts");
  const auto counts = fields(body[0]);
  if (counts.size() != 3) throw std::runtime_error("OFF counts are not V F E");
  const int v = toInt(counts[0]);
  const int f = toInt(counts[1]);
  if (v < 0 || f < 0 || body.size() != 1 + static_cast<std::size_t>(v + f)) {
    throw std::runtime_error("OFF line count does not match its counts");
  }
  for (int k = 0; k < v; ++k) {
    const auto x = fields(body[1 + static_cast<std::size_t>(k)]);
    if (x.size() != 3) throw std::runtime_error("OFF vertex without 3 coordinates");
    mesh.points.push_back({toDouble(x[0]), toDouble(x[1]), toDouble(x[2])});
  }
  for (int k = 0; k < f; ++k) {
    const auto x = fields(body[1 + static_cast<std::size_t>(v + k)]);
    if (x.empty() || toInt(x[0]) != static_cast<int>(x.size()) - 1) {
      throw std::runtime_error("OFF face whose corner count does not match");
    }
    std::vector<int> face;
    for (std::size_t c = 1; c < x.size(); ++c)
      face.push_back(toInt(x[c]));
    mesh.faces.push_back(face);
  }
  checkIndices(mesh);
  return mesh;
}

double largestDistance(const ReadMesh& mesh) {
  double largest = 0.0;
  for (const Vec& p : mesh.points)
    largest = std::max(largest, std::sqrt(dot(p, p)));
  return largest;
}

double enclosedVolume(const ReadMesh& mesh) {
  double volume = 0.0;
  for (const auto& face : mesh.faces) {
    const Vec c = cornerMean(mesh, face);
    for (std::size_t i = 0; i < face.size(); ++i) {
      const Vec& p = mesh.points[static_cast<std::size_t>(face[i])];
      const Vec& q = mesh.points[static_cast<std::size_t>(face[(i + 1) % face.size()])];
      volume += dot(c, cross(p, q)) / 6.0;
    }
  }
  return volume;
}

std::string closureFault(const ReadMesh& mesh) {
  std::map<std::pair<int, int>, int> directed;
  for (const auto& face : mesh.faces) {
    for (std::size_t i = 0; i < face.size(); ++i) {
      ++directed[{face[i], face[(i + 1) % face.size()]}];
    }
  }
  for (const auto& [edge, count] : directed) {
    if (count != 1)
      return "edge " + std::to_string(edge.first) + "-" + std::to_string(edge.second) +
             " runs the same way twice";
    if (directed.count({edge.second, edge.first}) == 0) {
      return "edge " + std::to_string(edge.first) + "-" + std::to_string(edge.second) +
             " has no face on its other side";
    }
  }
  for (std::size_t f = 0; f < mesh.faces.size(); ++f) {
    const auto& face = mesh.faces[f];
    const Vec c = cornerMean(mesh, face);
    Vec normal{};
    for (std::size_t i = 0; i < face.size(); ++i) {
      const Vec& p = mesh.points[static_cast<std::size_t>(face[i])];
      const Vec& q = mesh.points[static_cast<std::size_t>(face[(i + 1) % face.size()])];
      const Vec n = cross(sub(p, c), sub(q, c));
      for (int k = 0; k < 3; ++k)
        normal[k] += n[k];
    }
    if (!(dot(normal, c) > 0.0)) return "face " + std::to_string(f) + " turns inwards";
  }
  return {};
}

}  // namespace velkora::test
