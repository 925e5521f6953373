#include "properties/configuration.h"

#include <algorithm>

namespace velkora {
namespace {

void insertSorted(std::vector<std::string>& list, std::string text) {
  const auto at = std::lower_bound(list.begin(), list.end(), text);
  if (at == list.end() || *at != text) list.insert(at, std::move(text));
}

}  // namespace

std::string canonicalCycle(const std::vector<int>& cycle) {
  const std::size_t n = cycle.size();
  std::vector<int> best = cycle;
  std::vector<int> candidate(n);
  for (std::size_t start = 0; start < n; ++start) {
    for (std::size_t i = 0; i < n; ++i)
      candidate[i] = cycle[(start + i) % n];
    best = std::min(best, candidate);
    for (std::size_t i = 0; i < n; ++i)
      candidate[i] = cycle[(start + n - i) % n];
    best = std::min(best, candidate);
  }
  std::string text;
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0) text += '.';
    text += std::to_string(best[i]);
  }
  return text;
}

std::vector<std::string> vertexConfigurations(const SolidMesh& mesh) {
  std::vector<std::string> list;
  for (std::size_t v = 0; v < mesh.points.size(); ++v) {
    insertSorted(list, canonicalCycle(faceSizesAround(mesh, static_cast<int>(v))));
  }
  return list;
}

std::vector<std::string> faceConfigurations(const SolidMesh& mesh) {
  std::vector<std::string> list;
  std::vector<int> valences;
  for (const auto& face : mesh.faces) {
    valences.clear();
    for (const int c : face)
      valences.push_back(mesh.valence[static_cast<std::size_t>(c)]);
    insertSorted(list, canonicalCycle(valences));
  }
  return list;
}

}  // namespace velkora
