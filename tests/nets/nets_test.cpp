// The nets of all 31 solids at the default size and at an edge size that
// needs several pages, checked by the independent checks of net_checks.h;
// determinism, errors, paper and options.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "model/polyhedron.h"
#include "model/solid_catalogue.h"
#include "nets/layout.h"
#include "nets/net_json.h"
#include "tests/nets/net_checks.h"
#include "tests/support/embedded_catalogue.h"

namespace velkora {
namespace {

using test::embeddedTexts;

Solid solidAt(int position) { return test::embeddedSolid(position); }

void expectSound(const Polyhedron& solid, const NetDocument& net) {
  EXPECT_EQ(test::checkTree(solid, net), "");
  EXPECT_EQ(test::checkShapes(solid, net), "");
  EXPECT_EQ(test::checkNoOverlap(net), "");
  EXPECT_EQ(test::checkInsideMargins(net), "");
  EXPECT_EQ(test::checkLabelsAndTabs(net), "");
  EXPECT_EQ(test::checkEveryEdgeOnce(solid, net), "");
  EXPECT_EQ(test::checkTabTops(net), "");
  EXPECT_EQ(test::checkNoTabMissing(net), "");
  // Measured worst over all nets: 9.6e-7 of the diameter (Deltoid-60-Flächner).
  EXPECT_EQ(test::checkFolding(solid, net, 1e-6), "");
}

class EverySolid : public ::testing::TestWithParam<int> {};

TEST_P(EverySolid, DefaultNetIsOnePieceOnOnePageAndFoldsShut) {
  const Solid solid = solidAt(GetParam());
  const NetDocument net = buildNet(solid, {});
  SCOPED_TRACE(net.solid);
  ASSERT_EQ(net.pages.size(), 1u);
  EXPECT_EQ(net.pieces, 1);
  EXPECT_EQ(net.edgeMm, largestEdgeMm(solid.geometry, Paper::A4, Orientation::Best));
  expectSound(solid.geometry, net);
  // Tabs: only a pair without room for 3 mm goes without one.
  EXPECT_FALSE(net.pages[0].tabs.empty());
}

TEST_P(EverySolid, LargerEdgeSplitsIntoPiecesOnSeveralPages) {
  const Solid solid = solidAt(GetParam());
  NetOptions options;
  options.edgeMm = std::floor(largestEdgeMm(solid.geometry, Paper::A4, Orientation::Best) * 1.6);
  const NetDocument net = buildNet(solid, options);
  SCOPED_TRACE(net.solid);
  EXPECT_GT(net.pages.size(), 1u);
  EXPECT_GT(net.pieces, 1);
  EXPECT_EQ(net.edgeMm, *options.edgeMm);
  expectSound(solid.geometry, net);
}

TEST_P(EverySolid, SameSolidAndOptionsGiveTheSameJson) {
  const Solid solid = solidAt(GetParam());
  NetOptions options;
  options.paper = Paper::Letter;
  EXPECT_EQ(netJson(buildNet(solid, options)), netJson(buildNet(solid, options)));
}

// Thin paper: both edges of every cut pair carry a tab, where room is short a
// lower one, and still no tab overlaps a face or another tab.
TEST_P(EverySolid, TabsOnBothSidesGoOnBothEdgesOfEveryPair) {
  const Solid solid = solidAt(GetParam());
  NetOptions options;
  options.tabStyle = TabStyle::Both;
  for (const bool spread : {false, true}) {
    if (spread) {
      // Also when the edge is given and the net spreads over pages.
      options.edgeMm =
          std::floor(largestEdgeMm(solid.geometry, Paper::A4, Orientation::Best) * 1.6);
    }
    const NetDocument both = buildNet(solid, options);
    SCOPED_TRACE(both.solid + (spread ? ", several pages" : ""));
    EXPECT_EQ(both.tabStyle, TabStyle::Both);
    expectSound(solid.geometry, both);
    std::size_t tabs = 0, cutSides = 0, withTab = 0;
    for (const NetPage& page : both.pages) {
      tabs += page.tabs.size();
      cutSides += page.cuts.size();
      withTab += static_cast<std::size_t>(std::count_if(page.cuts.begin(), page.cuts.end(),
                                                        [](const NetCut& c) { return c.hasTab; }));
    }
    EXPECT_GT(cutSides, 0u);
    EXPECT_EQ(tabs, cutSides);
    EXPECT_EQ(withTab, cutSides);
  }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, EverySolid, ::testing::Range(0, 31));

TEST(NetOptions, TabStyleNoneIsTheSameNetAsNoTabs) {
  const Solid solid = solidAt(9);
  NetOptions none;
  none.tabStyle = TabStyle::None;
  NetOptions off;
  off.tabs = false;
  off.tabStyle = TabStyle::Both;  // tabs = false wins
  const NetDocument a = buildNet(solid, none);
  EXPECT_EQ(netJson(a), netJson(buildNet(solid, off)));
  EXPECT_EQ(a.tabStyle, TabStyle::None);
  EXPECT_TRUE(a.pages[0].tabs.empty());
}

TEST(NetFolds, EveryFoldCarriesTheSolidsDihedralAngle) {
  // Closed forms: tetrahedron acos(1/3), cube 90, octahedron acos(-1/3),
  // icosahedron acos(-sqrt 5 / 3), dodecahedron acos(-1/sqrt 5), disdyakis
  // triacontahedron acos(-(179 + 24 sqrt 5) / 241) (every edge alike).
  const double rad = 180.0 / M_PI;
  const std::pair<int, double> known[] = {
      {0, std::acos(1.0 / 3.0) * rad},
      {1, 90.0},
      {2, std::acos(-1.0 / 3.0) * rad},
      {3, std::acos(-std::sqrt(5.0) / 3.0) * rad},
      {4, std::acos(-1.0 / std::sqrt(5.0)) * rad},
      {21, std::acos(-(179.0 + 24.0 * std::sqrt(5.0)) / 241.0) * rad}};
  for (const auto& [position, degrees] : known) {
    const NetDocument net = buildNet(solidAt(position), {});
    for (const NetPage& page : net.pages) {
      ASSERT_EQ(page.foldDegrees.size(), page.folds.size()) << net.solid;
      for (double got : page.foldDegrees)
        EXPECT_NEAR(got, degrees, 5e-4) << net.solid;  // catalogue corners carry 7 digits
    }
  }
}

TEST(NetOptions, TabsOffLeavesNoTabsAndAllowsALargerEdge) {
  const Solid solid = solidAt(5);
  NetOptions options;
  options.tabs = false;
  const NetDocument bare = buildNet(solid, options);
  const NetDocument full = buildNet(solid, {});
  EXPECT_TRUE(bare.pages[0].tabs.empty());
  for (const NetCut& cut : bare.pages[0].cuts)
    EXPECT_FALSE(cut.hasTab);
  EXPECT_GT(bare.edgeMm, full.edgeMm);
  expectSound(solid.geometry, bare);
}

TEST(NetOptions, PaperAndOrientationSetThePageAndTheDefaultEdge) {
  const Solid solid = solidAt(12);
  NetOptions options;
  options.paper = Paper::A3;
  options.orientation = Orientation::Landscape;
  const NetDocument a3 = buildNet(solid, options);
  EXPECT_EQ(a3.paperWidthMm, 420.0);
  EXPECT_EQ(a3.paperHeightMm, 297.0);
  EXPECT_EQ(test::checkInsideMargins(a3), "");
  options.paper = Paper::Letter;
  options.orientation = Orientation::Portrait;
  const NetDocument letter = buildNet(solid, options);
  EXPECT_DOUBLE_EQ(letter.paperWidthMm, 215.9);
  EXPECT_DOUBLE_EQ(letter.paperHeightMm, 279.4);
  const NetDocument a4 = buildNet(solid, {});
  EXPECT_GT(a3.edgeMm, 1.3 * a4.edgeMm);
  EXPECT_GE(a4.edgeMm, largestEdgeMm(solid.geometry, Paper::A4, Orientation::Portrait));
  EXPECT_GE(a4.edgeMm, largestEdgeMm(solid.geometry, Paper::A4, Orientation::Landscape));
}

TEST(NetOptions, DefaultEdgeIsTheLargestThatFits) {
  // A tenth of a millimetre more no longer fits in one piece (the pieces may share a page).
  for (int position : {0, 7, 20, 29}) {
    const Solid solid = solidAt(position);
    const double edge = largestEdgeMm(solid.geometry, Paper::A4, Orientation::Portrait);
    NetOptions options;
    options.orientation = Orientation::Portrait;
    options.edgeMm = edge + 0.1;
    EXPECT_GT(buildNet(solid, options).pieces, 1) << position;
    options.edgeMm = edge;
    const NetDocument net = buildNet(solid, options);
    EXPECT_EQ(net.pieces, 1) << position;
    EXPECT_EQ(net.pages.size(), 1u) << position;
  }
}

TEST(NetErrors, EdgeSizesThatCannotWorkAreErrors) {
  const Solid solid = solidAt(3);
  NetOptions options;
  for (double bad : {0.0, -5.0, std::nan(""), 1e6, 400.0}) {
    options.edgeMm = bad;
    EXPECT_THROW(buildNet(solid, options), ENetError) << bad;
  }
  try {
    options.edgeMm = 400.0;
    buildNet(solid, options);
  } catch (const Error& error) {
    EXPECT_NE(std::string(error.what()).find("400,0"), std::string::npos) << error.what();
  }
}

TEST(NetErrors, AnOpenSolidIsRefused) {
  Solid solid = solidAt(0);
  solid.geometry.faces.pop_back();
  EXPECT_THROW(buildNet(solid, {}), EInvalidSolid);
  solid = solidAt(0);
  solid.geometry.faces[0][0] = 999;
  EXPECT_THROW(buildNet(solid, {}), EInvalidSolid);
}

TEST(NetChecks, ClippingFindsOverlapAndTouchingIsNone) {
  const std::vector<Vec2> square{{0, 0}, {2, 0}, {2, 2}, {0, 2}};
  const std::vector<Vec2> shifted{{1, 1}, {3, 1}, {3, 3}, {1, 3}};
  const std::vector<Vec2> beside{{2, 0}, {4, 0}, {4, 2}, {2, 2}};
  EXPECT_NEAR(test::intersectionArea(square, shifted), 1.0, 1e-12);
  EXPECT_NEAR(test::intersectionArea(square, beside), 0.0, 1e-12);
}

}  // namespace
}  // namespace velkora
