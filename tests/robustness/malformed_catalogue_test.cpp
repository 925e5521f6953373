// Malformed catalogue text fed to loadModel, for each of the 31 types: fixed
// damages (special counts, extreme coordinates, bad face lines, missing
// headers, sections cut at every line, broken type texts) and random ones.
// Each either raises a typed error with a readable message and leaves the
// target model exactly as it was, or loads a model that holds every invariant,
// is finite throughout and reaches 260 pixels.

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/errors.h"
#include "model/load.h"
#include "model/model.h"
#include "tests/model/model_invariants.h"
#include "tests/robustness/catalogue_mutations.h"
#include "tests/robustness/tally.h"

namespace velkora {
namespace {

using test::LoadInput;

constexpr int kRandomCasesPerType = 300;
constexpr double kHalfExtent = 260.0;

// Whether text is well-formed UTF-8 (the window shows messages as UTF-8).
bool validUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    unsigned minimum = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if ((lead & 0xE0) == 0xC0) {
      length = 2;
      minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3;
      minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4;
      minimum = 0x10000;
    } else {
      return false;
    }
    if (i + length > text.size()) return false;
    unsigned code = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += length;
  }
  return true;
}

// The first value that is NaN or infinite among the leading entries of every
// array, the radii and scale; empty when all are finite.
std::string firstNonFinite(const Model& m) {
  auto finite = [](const auto& p) {
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
  };
  auto scan = [&](const char* name, const auto& array, int count) -> std::string {
    for (int i = 0; i < count; ++i) {
      if (!finite(array[static_cast<std::size_t>(i)]))
        return name + ("[" + std::to_string(i) + "]");
    }
    return {};
  };
  for (const auto& [name, value] :
       {std::pair{"innerRadius", m.innerRadius}, std::pair{"outerRadius", m.outerRadius},
        std::pair{"scale", m.scale}}) {
    if (!std::isfinite(value)) return name;
  }
  for (const std::string& found : {scan("vertices", m.vertices, m.vertexCount),
                                   scan("faceCentres", m.faceCentres, m.faceCount),
                                   scan("innerPoints", m.innerPoints, m.spherePointCount),
                                   scan("outerPoints", m.outerPoints, m.spherePointCount),
                                   scan("innerCentres", m.innerCentres, m.sphereQuadCount),
                                   scan("outerCentres", m.outerCentres, m.sphereQuadCount)}) {
    if (!found.empty()) return found;
  }
  return {};
}

// What is wrong with a model that loadModel accepted; empty when nothing.
std::string faultOfLoaded(const Model& m) {
  if (const std::string bad = firstNonFinite(m); !bad.empty()) return bad + " is not finite";
  if (m.polyType < 0 || m.polyType > 30) return "type " + std::to_string(m.polyType);
  if (!(m.scale > 0.0)) return "scale " + std::to_string(m.scale);
  const auto invariants = test::modelInvariantsHold(m, 1e-9 * kHalfExtent);
  if (!invariants) return invariants.message();
  const double largest = test::largestCoordinate(m);
  if (std::fabs(largest - kHalfExtent) > 1e-9 * kHalfExtent) {
    return "largest coordinate " + std::to_string(largest);
  }
  return {};
}

struct MalformedRun {
  test::Tally tally;
  std::size_t convertErrors = 0;
  std::size_t catalogueErrors = 0;
  std::vector<std::string> faults;  // the first few cases that went wrong

  void fault(int type, const LoadInput& in, const std::string& what) {
    ++tally.failures;
    if (faults.size() < 20) {
      faults.push_back("type " + std::to_string(type) + ", " + in.damage + ": " + what);
    }
  }
};

// Loads in into target, which holds before, and records the outcome.
void tryLoad(int type, const LoadInput& in, Model& target, const Model& before, MalformedRun& run) {
  ++run.tally.cases;
  auto rejected = [&](const std::runtime_error& e, std::size_t& counter) {
    const std::string message = e.what();
    if (message.empty()) {
      run.fault(type, in, "empty message");
    } else if (!validUtf8(message)) {
      run.fault(type, in, "message is not UTF-8: " + message);
    } else if (const auto same = test::sameModel(target, before); !same) {
      run.fault(type, in, "failed load changed the model: " + std::string(same.message()));
      target = before;
    } else {
      ++run.tally.errors;
      ++counter;
    }
  };
  try {
    loadModel(target, in.listLine, in.vertexLines, in.faceLines);
    if (const std::string fault = faultOfLoaded(target); !fault.empty()) {
      run.fault(type, in, "loaded model: " + fault);
    } else {
      ++run.tally.successes;
    }
    target = before;
  } catch (const EConvertError& e) {
    rejected(e, run.convertErrors);
  } catch (const ECatalogueError& e) {
    rejected(e, run.catalogueErrors);
  } catch (const std::exception& e) {
    run.fault(type, in, std::string("untyped exception: ") + e.what());
    target = before;
  }
}

// Runs damage(mutator, tryOne) for each type, with a target that first holds
// another solid, so that any change to it shows.
template <typename Damage>
MalformedRun damageEveryType(Damage&& damage) {
  const test::CatalogueTexts& texts = test::embeddedTexts();
  MalformedRun run;
  for (int type = 0; type <= 30; ++type) {
    auto target = std::make_unique<Model>();
    loadModel(*target, test::listLineOf(texts, (type + 1) % 31), texts.vertexLines,
              texts.faceLines);
    const auto before = std::make_unique<Model>(*target);
    test::CatalogueMutator mutator(texts, type, static_cast<std::uint32_t>(7919 * (type + 1)));
    damage(mutator, [&](const LoadInput& in) { tryLoad(type, in, *target, *before, run); });
  }
  for (const std::string& fault : run.faults) {
    ADD_FAILURE() << fault;
  }
  return run;
}

TEST(MalformedCatalogue, EveryDamageIsRejectedCleanlyOrLoadsAValidModel) {
  const MalformedRun run = damageEveryType([](test::CatalogueMutator& mutator, const auto& tryOne) {
    mutator.forEachFixedCase(tryOne);
    for (int i = 0; i < kRandomCasesPerType; ++i)
      tryOne(mutator.randomCase());
  });
  run.tally.print("malformed catalogue");
  std::cout << "malformed catalogue: " << run.convertErrors << " EConvertError, "
            << run.catalogueErrors << " ECatalogueError" << std::endl;
  EXPECT_EQ(run.tally.failures, 0U);
  EXPECT_EQ(run.tally.cases, run.tally.errors + run.tally.successes + run.tally.failures);
  // Both outcomes must really occur, or the damage missed the sections read.
  EXPECT_GT(run.convertErrors, 1000U);
  EXPECT_GT(run.catalogueErrors, 1000U);
  EXPECT_GT(run.tally.successes, 1000U);
}

// Coordinates of about 1e308 are valid doubles, but a sum of a few of them is
// not: face and sphere centres are such sums.
TEST(MalformedCatalogue, CoordinatesNearTheLargestDoubleAreRejectedOrStayFinite) {
  const MalformedRun run = damageEveryType([](test::CatalogueMutator& mutator, const auto& tryOne) {
    mutator.forEachLargestCase(tryOne);
  });
  run.tally.print("largest coordinates");
  EXPECT_EQ(run.tally.failures, 0U);
}

}  // namespace
}  // namespace velkora
