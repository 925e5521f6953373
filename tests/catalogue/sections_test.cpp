// Section lookup: the identifier rule, whole-line matching, and every one of the
// 31 sections as embedded read back through loadTextResource and findSection
// and checked against the catalogue invariants and the table of solids.

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/sections.h"
#include "catalogue/text_resource.h"
#include "tests/catalogue/solid_table.h"

namespace velkora {
namespace {

TEST(SectionIdentifier, TypeNumbersMapToTheirSections) {
  EXPECT_EQ(sectionIdentifier(0), 1);
  EXPECT_EQ(sectionIdentifier(3), 4);
  EXPECT_EQ(sectionIdentifier(4), 5);
  EXPECT_EQ(sectionIdentifier(5), 4001);
  EXPECT_EQ(sectionIdentifier(14), 4010);
  EXPECT_EQ(sectionIdentifier(30), 4026);
  for (int outside : {31, -1, 4000, -4000}) {
    EXPECT_EQ(sectionIdentifier(outside), -1) << outside;
  }
}

TEST(FindSection, MatchesWholeLinesOnlyAndTakesTheFirst) {
  const ByteList list{"[4009]x", "[^_]",   "[40", "4009",  "[4009] ",
                      " [4009]", "[4009]", "3",   "[4009]"};
  EXPECT_EQ(findSection(list, 4009), 6);
  EXPECT_EQ(findLine(list, "[^_]"), 1);
  EXPECT_EQ(findSection(list, 400), -1);
  EXPECT_EQ(findLine(list, ""), -1);
}

TEST(FindSection, NoSectionIdentifierFindsNothing) {
  const ByteList list{"[-1]", "0", "[#]"};
  EXPECT_EQ(findSection(list, sectionIdentifier(31)), -1);
}

// ---- the 31 sections as embedded ----

class EmbeddedSections : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    loadTextResource(vertexLines_, "mpoly1");
    loadTextResource(faceLines_, "mpoly2");
  }
  static ByteList vertexLines_;
  static ByteList faceLines_;
};

ByteList EmbeddedSections::vertexLines_;
ByteList EmbeddedSections::faceLines_;

struct Vec {
  double x, y, z;
};

// A whole catalogue field as a number; false when anything is left over.
bool parseNumber(std::string_view text, double& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

bool parseCount(const ByteString& line, int& count) {
  const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), count);
  return error == std::errc() && end == line.data() + line.size() && !line.empty();
}

// "x y z" with single spaces.
bool parseVertex(const ByteString& line, Vec& v) {
  const std::size_t a = line.find(' ');
  const std::size_t b = a == std::string::npos ? a : line.find(' ', a + 1);
  if (b == std::string::npos) {
    return false;
  }
  const std::string_view s(line);
  return parseNumber(s.substr(0, a), v.x) && parseNumber(s.substr(a + 1, b - a - 1), v.y) &&
         parseNumber(s.substr(b + 1), v.z);
}

TEST_F(EmbeddedSections, HeadersOccurOnceAndAreFoundByWholeLine) {
  for (int type = 0; type <= 30; ++type) {
    std::string header = "[";
    header += std::to_string(sectionIdentifier(type));
    header += ']';
    for (const ByteList* list : {&vertexLines_, &faceLines_}) {
      EXPECT_EQ(std::count(list->begin(), list->end(), header), 1) << header;
      const int at = findSection(*list, sectionIdentifier(type));
      ASSERT_GE(at, 0) << header;
      EXPECT_EQ((*list)[static_cast<std::size_t>(at)], header);
    }
  }
  EXPECT_EQ(findSection(vertexLines_, sectionIdentifier(0)), 0);
  EXPECT_EQ(findSection(faceLines_, sectionIdentifier(0)), 0);
}

TEST_F(EmbeddedSections, FaceLinesBeginningWithABracketDoNotStopTheSearch) {
  // Every face line that starts with "[" lies in some section's body, never at a header.
  int bracketLines = 0;
  for (std::size_t i = 0; i < faceLines_.size(); ++i) {
    const ByteString& line = faceLines_[i];
    if (line.empty() || line[0] != '[' || line == "[#]") {
      continue;
    }
    int id = 0;
    const bool isHeader = line.back() == ']' && parseCount(line.substr(1, line.size() - 2), id) &&
                          findSection(faceLines_, id) == static_cast<int>(i);
    if (!isHeader) {
      ++bracketLines;
      for (int type = 0; type <= 30; ++type) {
        EXPECT_NE(findSection(faceLines_, sectionIdentifier(type)), static_cast<int>(i)) << line;
      }
    }
  }
  EXPECT_GT(bracketLines, 0) << "the face catalogue has no face line beginning with '['";
}

TEST_F(EmbeddedSections, EverySectionKeepsTheCatalogueInvariants) {
  for (int type = 0; type <= 30; ++type) {
    SCOPED_TRACE("type " + std::to_string(type));
    const SolidRow& row = kSolids[static_cast<std::size_t>(type)];
    const int id = sectionIdentifier(type);

    // Vertex section: count line, then one "x y z" line per vertex.
    const int vAt = findSection(vertexLines_, id);
    ASSERT_GE(vAt, 0);
    int vertexCount = 0;
    ASSERT_TRUE(parseCount(vertexLines_.at(static_cast<std::size_t>(vAt) + 1), vertexCount));
    EXPECT_EQ(vertexCount, row.vertices);
    std::vector<Vec> vertices(static_cast<std::size_t>(vertexCount));
    for (std::size_t k = 0; k < vertices.size(); ++k) {
      const ByteString& line = vertexLines_.at(static_cast<std::size_t>(vAt) + 2 + k);
      ASSERT_TRUE(parseVertex(line, vertices[k])) << "vertex " << k << ": " << line;
    }

    // Face section: count line, then one byte per corner, index = byte - 48.
    const int fAt = findSection(faceLines_, id);
    ASSERT_GE(fAt, 0);
    int faceCount = 0;
    ASSERT_TRUE(parseCount(faceLines_.at(static_cast<std::size_t>(fAt) + 1), faceCount));
    EXPECT_EQ(faceCount, row.faces);
    std::map<int, int> sizes;
    std::set<int> used;
    std::map<std::pair<int, int>, int> edgeUses;
    for (int k = 0; k < faceCount; ++k) {
      const ByteString& line = faceLines_.at(static_cast<std::size_t>(fAt + 2 + k));
      std::vector<int> corners;
      for (const char c : line) {
        corners.push_back(static_cast<unsigned char>(c) - 48);
      }
      ++sizes[static_cast<int>(corners.size())];
      ASSERT_GE(corners.size(), 3U) << "face " << k;
      EXPECT_EQ(std::set<int>(corners.begin(), corners.end()).size(), corners.size())
          << "face " << k << " repeats a corner";
      for (std::size_t c = 0; c < corners.size(); ++c) {
        const int a = corners[c];
        const int b = corners[(c + 1) % corners.size()];
        ASSERT_TRUE(a >= 0 && a < vertexCount) << "face " << k << " index " << a;
        used.insert(a);
        ++edgeUses[{std::min(a, b), std::max(a, b)}];
      }
    }

    std::map<int, int> expectedSizes;
    for (const FaceSize& s : row.sizes) {
      if (s.count > 0) {
        expectedSizes[s.corners] = s.count;
      }
    }
    EXPECT_EQ(sizes, expectedSizes);
    EXPECT_EQ(static_cast<int>(used.size()), vertexCount) << "a vertex lies in no face";
    for (const auto& [edge, uses] : edgeUses) {
      EXPECT_EQ(uses, 2) << "edge " << edge.first << "-" << edge.second;
    }
    const int edges = static_cast<int>(edgeUses.size());
    EXPECT_EQ(vertexCount - edges + faceCount, 2) << "V " << vertexCount << " E " << edges;

    // Vertices 0 and 1 span an edge of the length that the radii are derived from.
    ASSERT_GE(vertexCount, 2);
    EXPECT_TRUE(edgeUses.count({0, 1})) << "vertices 0 and 1 are not adjacent";
    const Vec& p = vertices[0];
    const Vec& q = vertices[1];
    const double edge01 = std::sqrt((p.x - q.x) * (p.x - q.x) + (p.y - q.y) * (p.y - q.y) +
                                    (p.z - q.z) * (p.z - q.z));
    EXPECT_NEAR(edge01, row.edge01, 1e-4);
  }
}

}  // namespace
}  // namespace velkora
