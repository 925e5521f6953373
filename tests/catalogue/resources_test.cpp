// The three embedded resources loaded through loadTextResource, checked against
// an independent inflation of the same bytes; lookup by name.

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>
#include <string>

#include "catalogue/errors.h"
#include "catalogue/resources.h"
#include "catalogue/text_resource.h"
#include "tests/catalogue/solid_table.h"
#include "tests/catalogue/zlib_reference.h"

namespace velkora {
namespace {

ByteList load(std::string_view name) {
  ByteList list;
  loadTextResource(list, name);
  return list;
}

// Every catalogue line ends in CR LF, so the list joined with CR LF is the text itself.
std::string joinWithCrLf(const ByteList& list) {
  std::string text;
  for (const ByteString& line : list) {
    text += line + "\r\n";
  }
  return text;
}

TEST(Resources, CataloguesMatchTheirInflatedTexts) {
  // Header, count line and body lines of each of the 31 sections, then "[#]".
  int vertices = 0;
  int faces = 0;
  for (const SolidRow& row : kSolids) {
    vertices += row.vertices;
    faces += row.faces;
  }
  for (const auto& [name, bodyLines] :
       {std::pair{"mpoly1", vertices}, std::pair{"mpoly2", faces}}) {
    SCOPED_TRACE(name);
    const auto stream = findResource(name);
    ASSERT_GE(stream.size(), 2U);
    EXPECT_EQ(stream[0], 0x78);
    EXPECT_EQ(stream[1], 0xDA);
    const std::string text = test::zlibInflate(stream);
    const ByteList list = load(name);
    EXPECT_EQ(list.size(), static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')));
    EXPECT_EQ(list.size(), static_cast<std::size_t>(2 * 31 + bodyLines + 1));
    ASSERT_FALSE(list.empty());
    EXPECT_EQ(list.front(), "[1]");
    EXPECT_EQ(list.back(), "[#]");
    EXPECT_TRUE(joinWithCrLf(list) == text) << "the lines differ from the inflated text";
  }
}

TEST(Resources, NameListHoldsTheThirtyOneSolidsInListOrder) {
  const auto stream = findResource("velkora");
  EXPECT_EQ(stream.size(), 280U);
  EXPECT_EQ(test::zlibInflate(stream).size(), 672U);

  const ByteList names = load("velkora");
  ASSERT_EQ(names.size(), 31U);
  EXPECT_EQ(names[0], std::string("Tetraeder") + '\t' + "0");
  EXPECT_EQ(names[1], "Hexaeder, W\xFCrfel\t1");           // Windows-1252 u-umlaut kept
  EXPECT_EQ(names[5], "Abgeschr\xE4gtes Dodekaeder\t10");  // Windows-1252 a-umlaut kept
  EXPECT_EQ(names[12], "Kuboktaeder\t5");

  std::set<int> types;
  for (std::size_t position = 0; position < names.size(); ++position) {
    const std::size_t tab = names[position].find('\t');
    ASSERT_NE(tab, std::string::npos) << names[position];
    const int type = std::stoi(names[position].substr(tab + 1));
    EXPECT_EQ(kSolids.at(static_cast<std::size_t>(type)).position, static_cast<int>(position));
    types.insert(type);
  }
  EXPECT_EQ(types.size(), 31U);
}

TEST(Resources, LookupIgnoresLetterCase) {
  const auto reference = findResource("MPOLY1");
  for (const char* name : {"mpoly1", "Mpoly1", "mPoLy1"}) {
    const auto found = findResource(name);
    EXPECT_EQ(found.data(), reference.data()) << name;
    EXPECT_EQ(found.size(), reference.size()) << name;
  }
  EXPECT_NE(findResource("velkora").data(), findResource("mpoly2").data());
  EXPECT_EQ(load("VELKORA"), load("velkora"));
}

TEST(Resources, MissingNameRaisesWithTheNameAsRequested) {
  for (const char* name : {"mpoly3", "MPoly", "mpoly12", "", "velkora "}) {
    ByteList list{"stays"};
    try {
      loadTextResource(list, name);
      ADD_FAILURE() << "no error for '" << name << "'";
    } catch (const EResNotFound& e) {
      EXPECT_EQ(std::string(e.what()), "Ressource " + std::string(name) + " wurde nicht gefunden");
    }
    EXPECT_EQ(list, ByteList{"stays"});
  }
}

}  // namespace
}  // namespace velkora
