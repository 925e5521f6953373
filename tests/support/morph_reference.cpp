// The reference morph by brute force: every face of M(t) is the plane of one half-space clipped by
// all the others; the stops are found on a grid of t, by bisection where the combinatorics
// changes and by a golden-section search on the edge-length mismatch in between.

#include "tests/support/morph_reference.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <utility>

namespace velkora::reference {
namespace {

// The half-space { x : normal·x <= offset }; normal of unit length.
struct Plane {
  Vec3 normal;
  double offset = 0.0;
};

// A solid cut from half-spaces: merged corner positions, faces as corner lists counter-clockwise
// seen from outside, the index of the half-space that carries each face, and the volume.
struct Cut {
  std::vector<Vec3> vertices;
  std::vector<std::vector<int>> faces;
  std::vector<int> planeOfFace;
  double volume = 0.0;
};

// P scaled to midradius 1, its face planes, and the ends s0 and s1 of the scale of D.
struct Morph {
  std::vector<Vec3> vertices;
  std::vector<Plane> facePlanes;
  double size = 1.0;  // circumradius of the scaled P
  double s0 = 1.0;
  double s1 = 1.0;
  std::vector<std::vector<int>> clipOrder;  // of the planes of planesAt, see clipOrderOf
};

std::string numberText(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

void checkMesh(const ReferenceMesh& mesh) {
  const int count = static_cast<int>(mesh.vertices.size());
  if (count < 4 || mesh.faces.size() < 4) {
    throw EMorphReference("Körper mit " + std::to_string(count) + " Ecken und " +
                          std::to_string(mesh.faces.size()) + " Flächen ist kein Körper");
  }
  for (std::size_t f = 0; f < mesh.faces.size(); ++f) {
    if (mesh.faces[f].size() < 3) {
      throw EMorphReference("Fläche " + std::to_string(f) + " hat weniger als 3 Ecken");
    }
    for (const int corner : mesh.faces[f]) {
      if (corner < 0 || corner >= count) {
        throw EMorphReference("Fläche " + std::to_string(f) + " nennt die Ecke " +
                              std::to_string(corner) + " von " + std::to_string(count));
      }
    }
  }
}

// The plane of a face, its normal pointing away from the origin. The Newell normal of the corner
// polygon, so that neither the corner order nor slightly uneven corners matter.
Plane facePlane(const std::vector<Vec3>& vertices, const std::vector<int>& face) {
  Vec3 newell;
  Vec3 centre;
  for (std::size_t k = 0; k < face.size(); ++k) {
    const Vec3 a = vertices[face[k]];
    const Vec3 b = vertices[face[(k + 1) % face.size()]];
    newell = newell + cross(a, b);
    centre = centre + a;
  }
  centre = centre / static_cast<double>(face.size());
  Vec3 normal = normalized(newell);
  if (dot(normal, centre) < 0.0) normal = -normal;
  return {normal, dot(normal, centre)};
}

double circumradius(const std::vector<Vec3>& vertices) {
  double largest = 0.0;
  for (const Vec3& v : vertices)
    largest = std::max(largest, norm(v));
  return largest;
}

std::vector<Plane> planesAt(const Morph& morph, double t);
std::vector<std::vector<int>> clipOrderOf(const std::vector<Plane>& planes);

Morph prepare(const ReferenceMesh& p) {
  checkMesh(p);
  // The distance of an edge line through a and b from the origin is |a x b| / |b - a|.
  std::set<std::pair<int, int>> edges;
  for (const auto& face : p.faces) {
    for (std::size_t k = 0; k < face.size(); ++k) {
      const int a = face[k];
      const int b = face[(k + 1) % face.size()];
      edges.insert({std::min(a, b), std::max(a, b)});
    }
  }
  double sum = 0.0;
  for (const auto& [a, b] : edges) {
    const Vec3 va = p.vertices[a];
    const Vec3 vb = p.vertices[b];
    sum += norm(cross(va, vb)) / norm(vb - va);
  }
  const double midradius = sum / static_cast<double>(edges.size());
  if (!(midradius > 0.0) || !std::isfinite(midradius)) {
    throw EMorphReference("Körper ohne Kantenkugel (Radius " + numberText(midradius) + ")");
  }

  Morph morph;
  for (const Vec3& v : p.vertices)
    morph.vertices.push_back(v / midradius);
  for (const auto& face : p.faces)
    morph.facePlanes.push_back(facePlane(morph.vertices, face));
  morph.size = circumradius(morph.vertices);

  // Merging corners within 1e-9 needs P exact to better than that: every edge line at distance 1
  // and every corner on its faces' planes. A solid given to a few digits is refused, not
  // morphed into tiny false edges.
  double worst = 0.0;
  for (const auto& [a, b] : edges) {
    const Vec3 va = morph.vertices[a];
    const Vec3 vb = morph.vertices[b];
    worst = std::max(worst, std::abs(norm(cross(va, vb)) / norm(vb - va) - 1.0));
  }
  for (std::size_t f = 0; f < p.faces.size(); ++f) {
    for (const int corner : p.faces[f]) {
      const Plane& plane = morph.facePlanes[f];
      worst = std::max(worst, std::abs(dot(plane.normal, morph.vertices[corner]) - plane.offset));
    }
  }
  if (worst > 1e-10) {
    throw EMorphReference("Körper nicht kanonisch: Kanten oder Flächen weichen um " +
                          numberText(worst) + " ab (canonicalForm hilft)");
  }

  // P lies in s·D when v·w <= s for all vertices v, w of P: s0 is the largest v·w.
  morph.s0 = 0.0;
  for (const Vec3& v : morph.vertices) {
    for (const Vec3& w : morph.vertices)
      morph.s0 = std::max(morph.s0, dot(v, w));
  }
  // The corners of D are n/d for the face planes n·x = d of P, so s·D lies in P when every
  // s·n_f/d_f satisfies n_g·x <= d_g, that is s <= d_f·d_g / (n_f·n_g) wherever n_f·n_g > 0.
  morph.s1 = std::numeric_limits<double>::infinity();
  for (const Plane& f : morph.facePlanes) {
    for (const Plane& g : morph.facePlanes) {
      const double cosine = dot(f.normal, g.normal);
      if (cosine > 0.0) morph.s1 = std::min(morph.s1, f.offset * g.offset / cosine);
    }
  }
  morph.clipOrder = clipOrderOf(planesAt(morph, 0.0));
  return morph;
}

void checkT(double t) {
  if (!(t >= 0.0 && t <= 1.0)) {
    throw EMorphReference("Morph-Anteil " + numberText(t) + " liegt nicht in [0, 1]");
  }
}

// P's face planes, then one plane v·x <= s per vertex v of P (indices stable over t).
std::vector<Plane> planesAt(const Morph& morph, double t) {
  const double s = t <= 0.5 ? std::pow(morph.s0, 1.0 - 2.0 * t) : std::pow(morph.s1, 2.0 * t - 1.0);
  std::vector<Plane> planes = morph.facePlanes;
  for (const Vec3& v : morph.vertices) {
    const double length = norm(v);
    planes.push_back({v / length, s / length});
  }
  return planes;
}

// The part of a convex polygon inside the half-space; points within tolerance count as inside.
std::vector<Vec3> clip(std::vector<Vec3> polygon, const Plane& plane, double tolerance) {
  const bool inside = std::all_of(polygon.begin(), polygon.end(), [&](Vec3 p) {
    return dot(plane.normal, p) - plane.offset <= tolerance;
  });
  if (inside) return polygon;
  std::vector<Vec3> kept;
  for (std::size_t k = 0; k < polygon.size(); ++k) {
    const Vec3 p = polygon[k];
    const Vec3 q = polygon[(k + 1) % polygon.size()];
    const double dp = dot(plane.normal, p) - plane.offset;
    const double dq = dot(plane.normal, q) - plane.offset;
    const bool pInside = dp <= tolerance;
    const bool qInside = dq <= tolerance;
    if (pInside) kept.push_back(p);
    if (pInside != qInside) kept.push_back(p + (q - p) * (dp / (dp - dq)));
  }
  return kept;
}

// A square of half side `half` in the plane around its foot point, counter-clockwise seen from
// the side the normal points to.
std::vector<Vec3> squareIn(const Plane& plane, double half) {
  const Vec3 n = plane.normal;
  const Vec3 helper = std::abs(n.x) < 0.6 ? Vec3{1, 0, 0} : Vec3{0, 1, 0};
  const Vec3 u = normalized(cross(n, helper));
  const Vec3 w = cross(n, u);
  const Vec3 foot = n * plane.offset;
  return {foot + half * (u + w), foot + half * (w - u), foot - half * (u + w),
          foot + half * (u - w)};
}

double areaOf(const std::vector<Vec3>& polygon, Vec3 normal) {
  Vec3 sum;
  for (std::size_t k = 0; k < polygon.size(); ++k) {
    sum = sum + cross(polygon[k], polygon[(k + 1) % polygon.size()]);
  }
  return 0.5 * dot(sum, normal);
}

// For each plane, the other planes by decreasing likeness of normal: clipping by the neighbours
// first shrinks the polygon soonest, and then most other planes leave it whole. Any order gives
// the same cut; this one only makes it faster.
std::vector<std::vector<int>> clipOrderOf(const std::vector<Plane>& planes) {
  std::vector<std::vector<int>> order(planes.size());
  for (std::size_t i = 0; i < planes.size(); ++i) {
    for (std::size_t j = 0; j < planes.size(); ++j) {
      if (j != i) order[i].push_back(static_cast<int>(j));
    }
    std::stable_sort(order[i].begin(), order[i].end(), [&](int a, int b) {
      return dot(planes[i].normal, planes[a].normal) > dot(planes[i].normal, planes[b].normal);
    });
  }
  return order;
}

// The intersection of the half-spaces, all of which contain the origin, inside a ball of radius
// size. Corners within 1e-9·size are merged. order is clipOrderOf(planes) or of planes with the
// same normals.
Cut cutOf(const std::vector<Plane>& planes, double size,
          const std::vector<std::vector<int>>& order) {
  const double mergeDistance = 1e-9 * size;
  const double clipTolerance = 1e-12 * size;
  const std::size_t count = planes.size();

  // A plane equal to an earlier one is the same face and the same bound.
  std::vector<bool> repeated(count, false);
  for (std::size_t j = 0; j < count; ++j) {
    for (std::size_t i = 0; i < j && !repeated[j]; ++i) {
      repeated[j] = !repeated[i] && norm(planes[i].normal - planes[j].normal) < 1e-9 &&
                    std::abs(planes[i].offset - planes[j].offset) < mergeDistance;
    }
  }

  std::vector<Vec3> merged;
  const auto idOf = [&](Vec3 point) {
    for (std::size_t k = 0; k < merged.size(); ++k) {
      const Vec3 d = merged[k] - point;
      if (dot(d, d) <= mergeDistance * mergeDistance) return static_cast<int>(k);
    }
    merged.push_back(point);
    return static_cast<int>(merged.size() - 1);
  };

  std::vector<std::vector<int>> faces;
  std::vector<int> planeOfFace;
  double volume = 0.0;
  for (std::size_t i = 0; i < count; ++i) {
    if (repeated[i]) continue;
    std::vector<Vec3> polygon = squareIn(planes[i], 4.0 * size);
    for (const int j : order[i]) {
      if (polygon.empty()) break;
      if (!repeated[j]) polygon = clip(std::move(polygon), planes[j], clipTolerance);
    }
    if (polygon.size() < 3) continue;
    std::vector<int> corners;
    for (const Vec3& point : polygon) {
      const int id = idOf(point);
      if (corners.empty() || corners.back() != id) corners.push_back(id);
    }
    while (corners.size() > 1 && corners.front() == corners.back())
      corners.pop_back();
    const double area = areaOf(polygon, planes[i].normal);
    if (corners.size() < 3 || area <= mergeDistance * mergeDistance) continue;
    faces.push_back(corners);
    planeOfFace.push_back(static_cast<int>(i));
    volume += area * planes[i].offset / 3.0;
  }

  // Only corners of faces are vertices; number them in order of first use.
  Cut cut;
  std::vector<int> renumbered(merged.size(), -1);
  for (auto& face : faces) {
    for (int& corner : face) {
      if (renumbered[corner] < 0) {
        renumbered[corner] = static_cast<int>(cut.vertices.size());
        cut.vertices.push_back(merged[corner]);
      }
      corner = renumbered[corner];
    }
  }
  cut.faces = std::move(faces);
  cut.planeOfFace = std::move(planeOfFace);
  cut.volume = volume;
  return cut;
}

// Every edge of a cut once, as its two corners (smaller first), with the faces that hold it.
std::map<std::pair<int, int>, std::vector<int>> edgesOf(const Cut& cut) {
  std::map<std::pair<int, int>, std::vector<int>> edges;
  for (std::size_t f = 0; f < cut.faces.size(); ++f) {
    const auto& face = cut.faces[f];
    for (std::size_t k = 0; k < face.size(); ++k) {
      const int a = face[k];
      const int b = face[(k + 1) % face.size()];
      edges[{std::min(a, b), std::max(a, b)}].push_back(static_cast<int>(f));
    }
  }
  return edges;
}

MorphFacts factsFrom(const Cut& cut) {
  MorphFacts facts;
  facts.vertices = static_cast<int>(cut.vertices.size());
  facts.faces = static_cast<int>(cut.faces.size());
  for (const auto& face : cut.faces)
    ++facts.faceKinds[static_cast<int>(face.size())];
  const auto edges = edgesOf(cut);
  facts.edges = static_cast<int>(edges.size());
  for (const auto& [corners, faces] : edges) {
    facts.edgeLengths.push_back(norm(cut.vertices[corners.second] - cut.vertices[corners.first]));
  }
  std::sort(facts.edgeLengths.begin(), facts.edgeLengths.end());
  facts.volume = cut.volume;
  facts.points = cut.vertices;
  return facts;
}

// The combinatorics of a cut in terms of the stable plane indices: each edge as the pair of
// planes of its two faces, sorted. Equal signatures mean the same kind of solid.
using Signature = std::vector<std::pair<int, int>>;

Signature signatureOf(const Cut& cut) {
  Signature signature;
  for (const auto& [corners, faces] : edgesOf(cut)) {
    const int a = cut.planeOfFace[faces.front()];
    const int b = faces.size() == 2 ? cut.planeOfFace[faces.back()] : -1;
    signature.push_back({std::min(a, b), std::max(a, b)});
  }
  std::sort(signature.begin(), signature.end());
  return signature;
}

// The largest difference of the sorted edge lengths, each scaled so that the longest is 1, or
// infinity when the counts or face kinds differ.
double mismatch(const MorphFacts& a, const MorphFacts& b) {
  if (a.vertices != b.vertices || a.edges != b.edges || a.faces != b.faces ||
      a.faceKinds != b.faceKinds || a.edgeLengths.size() != b.edgeLengths.size() ||
      a.edgeLengths.empty()) {
    return std::numeric_limits<double>::infinity();
  }
  const double longestA = a.edgeLengths.back();
  const double longestB = b.edgeLengths.back();
  double largest = 0.0;
  for (std::size_t k = 0; k < a.edgeLengths.size(); ++k) {
    largest =
        std::max(largest, std::abs(a.edgeLengths[k] / longestA - b.edgeLengths[k] / longestB));
  }
  return largest;
}

struct Sample {
  double t = 0.0;
  MorphFacts facts;
  Signature signature;
};

Sample sampleAt(const Morph& morph, double t) {
  const Cut cut = cutOf(planesAt(morph, t), morph.size, morph.clipOrder);
  return {t, factsFrom(cut), signatureOf(cut)};
}

// Two samples less than 1e-13 apart across a change of signature in [a, b], found by bisection:
// the first with a's signature (keepLeft) or the second with b's.
std::pair<Sample, Sample> changeIn(const Morph& morph, Sample a, Sample b, bool keepLeft) {
  const Signature kept = keepLeft ? a.signature : b.signature;
  while (b.t - a.t > 1e-13) {
    Sample middle = sampleAt(morph, 0.5 * (a.t + b.t));
    if ((middle.signature == kept) == keepLeft) {
      a = std::move(middle);
    } else {
      b = std::move(middle);
    }
  }
  return {std::move(a), std::move(b)};
}

// Collects the t in [a, b] at which the signature changes: the first change after a and the last
// before b, then the changes between those. Within about 1e-9 of a change, where vanishing edges
// are as short as the merge distance, the signature flickers with the order of merging; bisecting
// from either side finds the two ends of that stretch, not every flicker within.
void collectChanges(const Morph& morph, const Sample& a, const Sample& b,
                    std::vector<double>& changes) {
  if (a.signature == b.signature) return;
  const Sample leftChanged = changeIn(morph, a, b, true).second;
  const Sample rightChanged = changeIn(morph, a, b, false).first;
  changes.push_back(leftChanged.t);
  changes.push_back(rightChanged.t);
  if (rightChanged.t - leftChanged.t > 1e-7) {
    collectChanges(morph, leftChanged, rightChanged, changes);
  }
}

// The t in [low, high] where f is least, for an f with one minimum there.
template <typename F>
double goldenMinimum(double low, double high, F f) {
  const double ratio = (std::sqrt(5.0) - 1.0) / 2.0;
  double x1 = high - ratio * (high - low);
  double x2 = low + ratio * (high - low);
  double f1 = f(x1);
  double f2 = f(x2);
  while (high - low > 1e-13) {
    if (f1 <= f2) {
      high = x2;
      x2 = x1;
      f2 = f1;
      x1 = high - ratio * (high - low);
      f1 = f(x1);
    } else {
      low = x1;
      x1 = x2;
      f1 = f2;
      x2 = low + ratio * (high - low);
      f2 = f(x2);
    }
  }
  return f1 <= f2 ? x1 : x2;
}

}  // namespace

MorphFacts morphFacts(const ReferenceMesh& p, double t) {
  checkT(t);
  const Morph morph = prepare(p);
  return factsFrom(cutOf(planesAt(morph, t), morph.size, morph.clipOrder));
}

bool similar(const MorphFacts& a, const MorphFacts& b, double tolerance) {
  return mismatch(a, b) <= tolerance;
}

MorphFacts factsOf(const ReferenceMesh& solid) {
  checkMesh(solid);
  std::vector<Plane> planes;
  for (const auto& face : solid.faces)
    planes.push_back(facePlane(solid.vertices, face));
  return factsFrom(cutOf(planes, circumradius(solid.vertices), clipOrderOf(planes)));
}

std::vector<ReferenceStop> morphStops(const ReferenceMesh& p,
                                      const std::vector<ReferenceMesh>& candidates) {
  constexpr double kMatch = 1e-6;
  constexpr int kSteps = 200;
  const Morph morph = prepare(p);
  std::vector<MorphFacts> wanted;
  for (const auto& candidate : candidates)
    wanted.push_back(factsOf(candidate));

  std::vector<ReferenceStop> stops;
  // A stop found twice (by two of the searches below) is kept as first found.
  const auto addMatches = [&](double t, const MorphFacts& facts) {
    for (std::size_t c = 0; c < wanted.size(); ++c) {
      if (!similar(facts, wanted[c], kMatch)) continue;
      const bool known = std::any_of(stops.begin(), stops.end(), [&](const ReferenceStop& s) {
        return s.candidate == static_cast<int>(c) && std::abs(s.t - t) < kMatch;
      });
      if (!known) stops.push_back({t, static_cast<int>(c)});
    }
  };

  std::vector<Sample> grid;
  for (int k = 0; k <= kSteps; ++k) {
    grid.push_back(sampleAt(morph, static_cast<double>(k) / kSteps));
  }
  addMatches(0.0, grid.front().facts);
  addMatches(1.0, grid.back().facts);

  // Where the combinatorics changes, the solid at the change itself can be a stop (a vertex where
  // edges shrank to nothing). A change shows as two close changes of signature, into and out of
  // the solid at the change point; its t is the middle of them.
  std::vector<double> changes;
  for (int k = 0; k < kSteps; ++k)
    collectChanges(morph, grid[k], grid[k + 1], changes);
  std::sort(changes.begin(), changes.end());
  for (std::size_t first = 0; first < changes.size();) {
    std::size_t last = first;
    while (last + 1 < changes.size() && changes[last + 1] - changes[last] < 1e-7)
      ++last;
    const double t = 0.5 * (changes[first] + changes[last]);
    addMatches(t, sampleAt(morph, t).facts);
    first = last + 1;
  }

  // Between changes the combinatorics stays, and a candidate of the same counts is met where the
  // edge-length mismatch falls to zero: refine every grid minimum of it, staying on the same
  // kind of solid.
  for (std::size_t c = 0; c < wanted.size(); ++c) {
    std::vector<double> misfit(grid.size());
    for (std::size_t k = 0; k < grid.size(); ++k)
      misfit[k] = mismatch(grid[k].facts, wanted[c]);
    for (std::size_t k = 0; k < grid.size(); ++k) {
      if (!std::isfinite(misfit[k])) continue;
      const bool leftHigher =
          k == 0 || grid[k - 1].signature != grid[k].signature || misfit[k - 1] >= misfit[k];
      const bool rightHigher = k + 1 == grid.size() || grid[k + 1].signature != grid[k].signature ||
                               misfit[k + 1] > misfit[k];
      if (!leftHigher || !rightHigher) continue;
      const double low = k == 0 ? 0.0 : grid[k - 1].t;
      const double high = k + 1 == grid.size() ? 1.0 : grid[k + 1].t;
      const Signature& kind = grid[k].signature;
      const double t = goldenMinimum(low, high, [&](double x) {
        const Sample sample = sampleAt(morph, x);
        return sample.signature == kind ? mismatch(sample.facts, wanted[c])
                                        : std::numeric_limits<double>::max();
      });
      addMatches(t, sampleAt(morph, t).facts);
    }
  }

  std::sort(stops.begin(), stops.end(), [](const ReferenceStop& a, const ReferenceStop& b) {
    return a.t != b.t ? a.t < b.t : a.candidate < b.candidate;
  });
  return stops;
}

}  // namespace velkora::reference
