#include "properties/configuration.h"

#include <algorithm>

namespace velkora {
namespace {

void insertSorted(std::vector<std::string>& list, std::string text) {
  const auto at = std::lower_bound(list.begin(), list.end(), text);
  if (at == list.end() || *at != text) list.insert(at, std::move(text));
}

// Whether reading cycle from start in direction step (+1 or n - 1) gives a
// sequence smaller than best.
bool readsSmaller(const std::vector<int>& cycle, std::size_t start, std::size_t step,
                  const std::vector<int>& best) {
  const std::size_t n = cycle.size();
  for (std::size_t i = 0, k = start; i < n; ++i, k = (k + step) % n) {
    if (cycle[k] != best[i]) return cycle[k] < best[i];
  }
  return false;
}

// The smallest rotation or reflection of cycle into best.
void smallestForm(const std::vector<int>& cycle, std::vector<int>& best) {
  const std::size_t n = cycle.size();
  best = cycle;
  for (std::size_t start = 0; start < n; ++start) {
    for (const std::size_t step : {std::size_t{1}, n - 1}) {
      if (!readsSmaller(cycle, start, step, best)) continue;
      for (std::size_t i = 0, k = start; i < n; ++i, k = (k + step) % n)
        best[i] = cycle[k];
    }
  }
}

std::string dotted(const std::vector<int>& best) {
  std::string text;
  for (std::size_t i = 0; i < best.size(); ++i) {
    if (i > 0) text += '.';
    text += std::to_string(best[i]);
  }
  return text;
}

// Collects the distinct smallest forms, then writes each once.
class DistinctCycles {
 public:
  void add(const std::vector<int>& cycle) {
    smallestForm(cycle, best_);
    if (std::find(forms_.begin(), forms_.end(), best_) == forms_.end()) forms_.push_back(best_);
  }
  std::vector<std::string> texts() const {
    std::vector<std::string> list;
    for (const auto& form : forms_)
      insertSorted(list, dotted(form));
    return list;
  }

 private:
  std::vector<std::vector<int>> forms_;
  std::vector<int> best_;
};

}  // namespace

std::string canonicalCycle(const std::vector<int>& cycle) {
  std::vector<int> best;
  smallestForm(cycle, best);
  return dotted(best);
}

std::vector<std::string> vertexConfigurations(const SolidMesh& mesh) {
  DistinctCycles cycles;
  std::vector<int> sizes;
  for (std::size_t v = 0; v < mesh.points.size(); ++v) {
    faceSizesAround(mesh, static_cast<int>(v), sizes);
    cycles.add(sizes);
  }
  return cycles.texts();
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
