// The gallery tool's command line: what it accepts, its defaults, and the
// combinations and values it rejects.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tools/gallery/errors.h"
#include "tools/gallery/options.h"

namespace velkora::gallery {
namespace {

using Args = std::vector<std::string>;

TEST(GalleryOptions, OneSolidWithDefaults) {
  const Options options = parseOptions({"--type", "3", "--out", "a.png"});
  EXPECT_EQ(options.type, 3);
  EXPECT_FALSE(options.position.has_value());
  EXPECT_EQ(options.view, View::Polyhedron);
  EXPECT_FALSE(options.marks);
  EXPECT_EQ(options.size, QSize(634, 663));  // the window's drawing surface
  EXPECT_EQ(options.thumbWidth, 0);
  EXPECT_EQ(options.out, "a.png");
}

TEST(GalleryOptions, EveryOptionTakesItsValue) {
  const Options options = parseOptions({"--position", "30", "--view", "umkugel", "--marks",
                                        "--size", "320x200", "--thumb", "160", "--out", "b.png"});
  EXPECT_EQ(options.position, 30);
  EXPECT_EQ(options.view, View::OuterSphere);
  EXPECT_TRUE(options.marks);
  EXPECT_EQ(options.size, QSize(320, 200));
  EXPECT_EQ(options.thumbWidth, 160);

  const Options all = parseOptions({"--all", "dir", "--page", "page.md", "--thumb", "160"});
  EXPECT_EQ(all.allDir, "dir");
  EXPECT_EQ(all.page, "page.md");
  EXPECT_TRUE(parseOptions({"--help"}).help);
}

TEST(GalleryOptions, ViewNamesInGermanAndEnglish) {
  EXPECT_EQ(parseView("polyeder"), View::Polyhedron);
  EXPECT_EQ(parseView("polyhedron"), View::Polyhedron);
  EXPECT_EQ(parseView("inkugel"), View::InnerSphere);
  EXPECT_EQ(parseView("inner"), View::InnerSphere);
  EXPECT_EQ(parseView("umkugel"), View::OuterSphere);
  EXPECT_EQ(parseView("outer"), View::OuterSphere);
  for (const View view : {View::Polyhedron, View::InnerSphere, View::OuterSphere}) {
    EXPECT_EQ(parseView(viewName(view)), view);
  }
}

TEST(GalleryOptions, RejectsWrongCommandLines) {
  const std::vector<Args> wrong{
      {},                  // nothing to do
      {"--type", "3"},     // no --out
      {"--out", "a.png"},  // no solid
      {"--type", "3", "--position", "3", "--out", "a.png"},
      {"--all", "dir", "--type", "3"},
      {"--all", "dir", "--out", "a.png"},
      {"--page", "p.md", "--type", "3", "--out", "a.png"},
      {"--type"},  // value missing
      {"--type", "3a", "--out", "a.png"},
      {"--type", "-1", "--out", "a.png"},
      {"--type", "", "--out", "a.png"},
      {"--type", "99999999999", "--out", "a.png"},
      {"--view", "kugel", "--type", "3", "--out", "a.png"},
      {"--size", "634", "--type", "3", "--out", "a.png"},
      {"--size", "0x663", "--type", "3", "--out", "a.png"},
      {"--size", "634x", "--type", "3", "--out", "a.png"},
      {"--size", "634x663x1", "--type", "3", "--out", "a.png"},
      {"--thumb", "0", "--type", "3", "--out", "a.png"},
      {"--frobnicate", "--type", "3", "--out", "a.png"},
  };
  for (const Args& args : wrong) {
    std::string joined;
    for (const std::string& arg : args)
      joined += "'" + arg + "' ";
    EXPECT_THROW(parseOptions(args), EGalleryError) << joined;
  }
}

}  // namespace
}  // namespace velkora::gallery
