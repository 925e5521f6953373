// The shapes of a net page without Qt: the list holds every face, tab, fold
// and cut once and in drawing order, the texts are the labels, the scale bar
// is 50 mm; the label font's table measures text; the option names of the
// command line; the SVG drawn from the list.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "nets/label_font.h"
#include "nets/layout.h"
#include "nets/net_options.h"
#include "nets/net_page.h"
#include "nets/net_svg.h"
#include "tests/support/embedded_catalogue.h"

namespace velkora {
namespace {

NetDocument netOf(int position, NetOptions options = {}) {
  return buildNet(test::embeddedSolid(position), options);
}

NetDocument multiPage(int position) {
  NetOptions options;
  options.edgeMm = std::floor(
      1.6 * largestEdgeMm(test::embeddedSolid(position).geometry, Paper::A4, Orientation::Best));
  return netOf(position, options);
}

std::vector<const PagePrimitive*> withRole(const std::vector<PagePrimitive>& list,
                                           PrimitiveRole role) {
  std::vector<const PagePrimitive*> found;
  for (const PagePrimitive& p : list) {
    if (p.role == role) found.push_back(&p);
  }
  return found;
}

// A segment as an unordered pair of points, rounded to a micrometre.
using Segment = std::pair<std::pair<long, long>, std::pair<long, long>>;
Segment segmentOf(Vec2 a, Vec2 b) {
  std::pair<long, long> p{std::lround(a.x * 1000), std::lround(a.y * 1000)};
  std::pair<long, long> q{std::lround(b.x * 1000), std::lround(b.y * 1000)};
  return p < q ? Segment{p, q} : Segment{q, p};
}

std::multiset<Segment> segmentsOf(const PagePrimitive& lines) {
  std::multiset<Segment> segments;
  for (std::size_t k = 0; k + 1 < lines.points.size(); k += 2)
    segments.insert(segmentOf(lines.points[k], lines.points[k + 1]));
  return segments;
}

TEST(NetPagePrimitives, EveryFaceTabFoldAndCutIsDrawnOnceInOrder) {
  NetOptions both;
  both.tabStyle = TabStyle::Both;
  for (const NetDocument& net : {netOf(6), netOf(21, both), multiPage(11)}) {
    for (int pageIndex = 0; pageIndex < static_cast<int>(net.pages.size()); ++pageIndex) {
      SCOPED_TRACE(net.solid + ", page " + std::to_string(pageIndex + 1));
      const NetPage& page = net.pages[static_cast<std::size_t>(pageIndex)];
      const std::vector<PagePrimitive> list = netPagePrimitives(net, pageIndex);
      // Paper first, then faces, tabs with their rims, folds, cuts, and the
      // labels last, so that nothing covers a line or a text.
      ASSERT_EQ(list.front().role, PrimitiveRole::Paper);
      EXPECT_EQ(list.front().rgb, 0xFFFFFFu);
      int rank = 0;
      const std::map<PrimitiveRole, int> ranks{
          {PrimitiveRole::Paper, 0},    {PrimitiveRole::Face, 1},      {PrimitiveRole::Tab, 2},
          {PrimitiveRole::TabRim, 2},   {PrimitiveRole::FoldLines, 3}, {PrimitiveRole::CutLines, 4},
          {PrimitiveRole::ScaleBar, 5}, {PrimitiveRole::Text, 5}};
      for (const PagePrimitive& p : list) {
        EXPECT_GE(ranks.at(p.role), rank) << static_cast<int>(p.role);
        rank = ranks.at(p.role);
      }
      const auto faces = withRole(list, PrimitiveRole::Face);
      ASSERT_EQ(faces.size(), page.faces.size());
      for (std::size_t k = 0; k < faces.size(); ++k) {
        EXPECT_EQ(faces[k]->points.size(), page.faces[k].polygon.size());
        EXPECT_EQ(faces[k]->points.front().x, page.faces[k].polygon.front().x);
      }
      ASSERT_EQ(withRole(list, PrimitiveRole::Tab).size(), page.tabs.size());
      ASSERT_EQ(withRole(list, PrimitiveRole::TabRim).size(), page.tabs.size());
      // Each rim leaves out exactly the glued edge: it runs from the tab's
      // second corner round to its first.
      for (std::size_t k = 0; k < page.tabs.size(); ++k) {
        const PagePrimitive& rim = *withRole(list, PrimitiveRole::TabRim)[k];
        ASSERT_EQ(rim.points.size(), page.tabs[k].polygon.size());
        EXPECT_EQ(segmentOf(rim.points.front(), rim.points.back()),
                  segmentOf(page.tabs[k].polygon[1], page.tabs[k].polygon[0]));
        EXPECT_TRUE(rim.stroke.dashMm.empty());
      }

      ASSERT_EQ(withRole(list, PrimitiveRole::FoldLines).size(), 1u);
      ASSERT_EQ(withRole(list, PrimitiveRole::CutLines).size(), 1u);
      const std::multiset<Segment> folds = segmentsOf(*withRole(list, PrimitiveRole::FoldLines)[0]);
      const std::multiset<Segment> cuts = segmentsOf(*withRole(list, PrimitiveRole::CutLines)[0]);
      // Every face edge is exactly one fold or one cut; a tab's glued edge is a fold.
      std::multiset<Segment> expectedCuts;
      std::size_t tabbedSides = 0;
      for (const NetCut& cut : page.cuts) {
        if (cut.hasTab) {
          ++tabbedSides;
        } else {
          expectedCuts.insert(segmentOf(cut.from, cut.to));
        }
      }
      EXPECT_EQ(cuts, expectedCuts);
      EXPECT_EQ(folds.size(), page.folds.size() + tabbedSides);
      for (const Segment& s : folds) {
        EXPECT_EQ(folds.count(s), 1u);
        EXPECT_EQ(cuts.count(s), 0u);
      }
      EXPECT_FALSE(withRole(list, PrimitiveRole::FoldLines)[0]->stroke.dashMm.empty());
      EXPECT_TRUE(withRole(list, PrimitiveRole::CutLines)[0]->stroke.dashMm.empty());

      // The texts are the page's labels in their order, the bar apart.
      std::vector<std::string> texts;
      for (const PagePrimitive* p : withRole(list, PrimitiveRole::Text))
        texts.push_back(p->label.text);
      std::vector<std::string> labels;
      for (const NetLabel& label : netPageLabels(net, pageIndex)) {
        if (label.kind != LabelKind::ScaleBar) labels.push_back(label.text);
      }
      EXPECT_EQ(texts, labels);
    }
  }
}

TEST(NetPagePrimitives, TheScaleBarIsFiftyMillimetresLongWhereAskedFor) {
  const NetDocument net = netOf(3);
  const std::vector<PagePrimitive> list = netPagePrimitives(net, 0);
  const auto bars = withRole(list, PrimitiveRole::ScaleBar);
  ASSERT_EQ(bars.size(), 1u);
  const std::vector<Vec2>& bar = bars[0]->points;
  ASSERT_EQ(bar.size(), 4u);
  EXPECT_DOUBLE_EQ(bar[1].x - bar[0].x, 50.0);
  EXPECT_DOUBLE_EQ(bar[2].y - bar[1].y, kScaleBarThicknessMm);
  EXPECT_GE(bar[0].y, net.marginMm);  // in the foot strip, inside the margin
  EXPECT_LT(bar[2].y, net.marginMm + kNetFootStripMm);
  NetOptions without;
  without.scaleBar = false;
  EXPECT_TRUE(withRole(netPagePrimitives(netOf(3, without), 0), PrimitiveRole::ScaleBar).empty());
}

TEST(NetPagePrimitives, APageTheNetDoesNotHaveIsAnError) {
  const NetDocument net = netOf(1);
  EXPECT_THROW(netPagePrimitives(net, 1), ENetError);
  EXPECT_THROW(netPagePrimitives(net, -1), ENetError);
  EXPECT_THROW(netPageLabels(net, 1), ENetError);
}

TEST(LabelFont, TheTableIsSortedAndCoversTheTextsOfThePage) {
  const auto glyphs = labelGlyphs();
  ASSERT_GT(glyphs.size(), 200u);
  EXPECT_TRUE(std::adjacent_find(glyphs.begin(), glyphs.end(), [](const auto& a, const auto& b) {
                return a.code >= b.code;
              }) == glyphs.end());
  // Every character of the page's texts and of the solids' names is in the table.
  std::string all = netHowToText() + scaleBarText() + foldAngleText(109.5) + "()0123456789–";
  for (const Solid& solid : test::embeddedSolids())
    all += solid.name;
  for (std::size_t k = 0; k < all.size();) {
    const auto lead = static_cast<unsigned char>(all[k]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i)
      code = (code << 6) | (static_cast<unsigned char>(all[k + i]) & 0x3F);
    EXPECT_NE(labelGlyph(code), nullptr) << all.substr(k, length);
    k += length;
  }
  EXPECT_NE(labelGlyph(U'ß'), nullptr);
  EXPECT_NE(labelGlyph(U'°'), nullptr);
  EXPECT_EQ(labelGlyph(U'\u4E00'), nullptr);
}

TEST(LabelFont, TextIsSetGlyphAfterGlyphByAdvance) {
  const double em = labelFontUnitsPerEm();
  const LabelGlyph& one = *labelGlyph(U'1');
  const LabelGlyph& seven = *labelGlyph(U'7');
  const TextInk ink = labelTextInk("17");
  EXPECT_DOUBLE_EQ(ink.left, one.left / em);
  EXPECT_DOUBLE_EQ(ink.right, (one.advance + seven.right) / em);
  EXPECT_DOUBLE_EQ(ink.top, std::max(one.top, seven.top) / em);
  EXPECT_DOUBLE_EQ(ink.bottom, std::min(one.bottom, seven.bottom) / em);
  // A space adds its advance and no ink: leading spaces move the ink right.
  const TextInk spaced = labelTextInk("  17");
  EXPECT_DOUBLE_EQ(spaced.left - ink.left, 2.0 * labelGlyph(U' ')->advance / em);
  EXPECT_DOUBLE_EQ(spaced.right - spaced.left, ink.right - ink.left);
  const TextInk blank = labelTextInk("   ");
  EXPECT_EQ(blank.right - blank.left, 0.0);
  EXPECT_EQ(blank.top - blank.bottom, 0.0);
  // Digits share one advance, so cut numbers of one length are one width.
  EXPECT_EQ(labelTextAdvance("11"), labelTextAdvance("88"));
  EXPECT_GT(ink.top, 0.6);  // a digit stands about 0.73 em high
  EXPECT_LT(ink.top, 0.8);
}

TEST(LabelFont, MalformedUtf8CountsAsQuestionMarks) {
  const double question = labelTextAdvance("?");
  EXPECT_DOUBLE_EQ(labelTextAdvance("\xC3"), question);            // cut short
  EXPECT_DOUBLE_EQ(labelTextAdvance("\xC0\xAF"), 2.0 * question);  // overlong '/'
  EXPECT_DOUBLE_EQ(labelTextAdvance("\xFF"
                                    "1"),
                   question + labelTextAdvance("1"));
  EXPECT_DOUBLE_EQ(labelTextAdvance("\xE4\xB8\x80"), question);  // not in the table
  EXPECT_DOUBLE_EQ(labelTextAdvance("\xC3\xA4"),
                   labelGlyph(U'ä')->advance / static_cast<double>(labelFontUnitsPerEm()));
}

TEST(NetOptionNames, TheCommandLinesWordsInAnyCase) {
  EXPECT_EQ(paperNamed("A3"), Paper::A3);
  EXPECT_EQ(paperNamed("letter"), Paper::Letter);
  EXPECT_EQ(paperNamed("a4"), Paper::A4);
  EXPECT_EQ(paperNamed("a5"), std::nullopt);
  EXPECT_EQ(paperNamed("a44"), std::nullopt);
  EXPECT_EQ(orientationNamed("Landscape"), Orientation::Landscape);
  EXPECT_EQ(orientationNamed("auto"), Orientation::Best);
  EXPECT_EQ(orientationNamed("portrait"), Orientation::Portrait);
  EXPECT_EQ(orientationNamed(""), std::nullopt);
  EXPECT_EQ(tabStyleNamed("BOTH"), TabStyle::Both);
  EXPECT_EQ(tabStyleNamed("one"), TabStyle::One);
  EXPECT_EQ(tabStyleNamed("none"), TabStyle::None);
  EXPECT_EQ(tabStyleNamed("nöne"), std::nullopt);
  // --tabs none is --no-tabs: the same net, the same pages.
  NetOptions none;
  setTabStyle(none, TabStyle::None);
  NetOptions off;
  off.tabs = false;
  EXPECT_EQ(netSvg(netOf(4, none)), netSvg(netOf(4, off)));
  setTabStyle(none, TabStyle::Both);
  EXPECT_TRUE(none.tabs);
}

std::size_t occurrences(const std::string& text, const std::string& what) {
  std::size_t count = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
    ++count;
  return count;
}

TEST(NetSvgText, OneDrawingOfStackedPagesInMillimetres) {
  const NetDocument net = multiPage(11);
  ASSERT_GT(net.pages.size(), 1u);
  const std::string svg = netSvg(net);
  EXPECT_EQ(svg, netSvg(multiPage(11)));
  const std::string height = std::to_string(297 * net.pages.size()) + ".000";
  EXPECT_NE(svg.find("width=\"210.000mm\" height=\"" + height + "mm\" viewBox=\"0 0 210.000 " +
                     height + "\""),
            std::string::npos)
      << svg.substr(0, 300);
  std::size_t faces = 0, tabs = 0, texts = 0;
  for (const NetPage& page : net.pages) {
    faces += page.faces.size();
    tabs += page.tabs.size();
  }
  for (int page = 0; page < static_cast<int>(net.pages.size()); ++page)
    texts += withRole(netPagePrimitives(net, page), PrimitiveRole::Text).size();
  EXPECT_EQ(occurrences(svg, "<polygon "), faces + tabs);
  EXPECT_EQ(occurrences(svg, "<polyline "), tabs);
  EXPECT_EQ(occurrences(svg, "<text "), texts);
  EXPECT_EQ(occurrences(svg, "<rect "), 2 * net.pages.size());  // paper and scale bar
  EXPECT_EQ(occurrences(svg, "<g id=\"page-"), net.pages.size());
  EXPECT_EQ(svg.back(), '\n');
}

TEST(NetSvgText, TextsAreEscaped) {
  NetDocument net = netOf(0);
  net.solid = "A <b> & \"c\"\x01";
  const std::string svg = netSvg(net);
  EXPECT_NE(svg.find("A &lt;b&gt; &amp; &quot;c&quot;"), std::string::npos);
  EXPECT_EQ(svg.find("<b>"), std::string::npos);
  EXPECT_EQ(svg.find('\x01'), std::string::npos);
}

}  // namespace
}  // namespace velkora
