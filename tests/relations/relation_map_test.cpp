// The relation map against solid geometry written down by name: the five
// operations that cut the Archimedean solids from the Platonic ones, the
// jitterbug's passage, and the duals as the properties find them (by the
// polar solid, not by the morph the map takes them from).
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "base/family.h"
#include "properties/properties.h"
#include "relations/relation_map.h"
#include "tests/support/embedded_catalogue.h"

namespace velkora {
namespace {

using Named = std::tuple<std::string, std::string, std::string>;  // from, key, to

std::set<Named> namedMap(const std::vector<Relation>& relations) {
  const auto& solids = test::embeddedSolids();
  std::set<Named> named;
  for (const Relation& r : relations) {
    named.insert({solids.at(static_cast<std::size_t>(r.from)).name,
                  std::string(relationKey(r.kind)),
                  solids.at(static_cast<std::size_t>(r.to)).name});
  }
  return named;
}

TEST(RelationMap, TheOperationsOnThePlatonicSolidsAreThoseOfGeometry) {
  const std::vector<Relation> relations = relationMap(test::embeddedSolids());
  const std::set<Named> named = namedMap(relations);
  const std::string tetra = "Tetraeder", cube = "Hexaeder, Würfel", octa = "Oktaeder",
                    ico = "Ikosaeder", dodeca = "Pentagondodekaeder";
  const std::set<Named> expected = {
      {tetra, "truncate", "Tetraederstumpf"},
      {cube, "truncate", "Hexaederstumpf"},
      {octa, "truncate", "Oktaederstumpf"},
      {dodeca, "truncate", "Dodekaederstumpf"},
      {ico, "truncate", "Ikosaederstumpf"},
      {tetra, "rectify", octa},
      {cube, "rectify", "Kuboktaeder"},
      {octa, "rectify", "Kuboktaeder"},
      {dodeca, "rectify", "Ikosidodekaeder"},
      {ico, "rectify", "Ikosidodekaeder"},
      {tetra, "cantellate", "Kuboktaeder"},
      {cube, "cantellate", "Rhombenkuboktaeder"},
      {octa, "cantellate", "Rhombenkuboktaeder"},
      {dodeca, "cantellate", "Rhombenikosidodekaeder"},
      {ico, "cantellate", "Rhombenikosidodekaeder"},
      {tetra, "omnitruncate", "Oktaederstumpf"},
      {cube, "omnitruncate", "Kuboktaederstumpf"},
      {octa, "omnitruncate", "Kuboktaederstumpf"},
      {dodeca, "omnitruncate", "Ikosidodekaederstumpf"},
      {ico, "omnitruncate", "Ikosidodekaederstumpf"},
      {tetra, "snub", ico},
      {cube, "snub", "Abgeschrägtes Hexaeder"},
      {octa, "snub", "Abgeschrägtes Hexaeder"},
      {dodeca, "snub", "Abgeschrägtes Dodekaeder"},
      {ico, "snub", "Abgeschrägtes Dodekaeder"},
      {"Kuboktaeder", "jitterbug", ico},
      {ico, "jitterbug", octa},
  };
  std::set<Named> operations;
  for (const Named& n : named) {
    if (std::get<1>(n) != "dual") operations.insert(n);
  }
  EXPECT_EQ(operations, expected);
  EXPECT_EQ(relations.size(), named.size()) << "each relation once";
}

TEST(RelationMap, EverySolidHasItsDualAndEveryArchimedeanOneAPlatonicOrigin) {
  const auto& solids = test::embeddedSolids();
  const std::vector<Relation> relations = relationMap(solids);
  std::set<int> seen;
  std::set<int> cutFromPlatonic;
  std::vector<int> dualOf(solids.size(), -1);
  for (const Relation& r : relations) {
    seen.insert(r.from);
    seen.insert(r.to);
    if (r.kind == RelationKind::Dual) {
      EXPECT_LE(r.from, r.to) << "a dual pair once, from the lower position";
      dualOf[static_cast<std::size_t>(r.from)] = r.to;
      dualOf[static_cast<std::size_t>(r.to)] = r.from;
    } else if (r.kind != RelationKind::Jitterbug && familyOf(r.from) == Family::Platonic) {
      cutFromPlatonic.insert(r.to);
    }
  }
  EXPECT_EQ(seen.size(), solids.size());
  for (int p = kFirstArchimedean; p < kFirstCatalan; ++p)
    EXPECT_TRUE(cutFromPlatonic.count(p)) << solids[static_cast<std::size_t>(p)].name;
  for (const Solid& solid : solids) {
    const SolidProperties properties = computeProperties(solid, solids);
    EXPECT_EQ(dualOf[static_cast<std::size_t>(solid.position)], properties.dualPosition)
        << solid.name;
  }
}

}  // namespace
}  // namespace velkora
