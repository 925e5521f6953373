// Rendering solids for the gallery: the name list lookups, and pictures that
// equal what the real window shows after a list click, view by view.

#include <algorithm>
#include <array>
#include <memory>
#include <set>

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>
#include <QStringList>
#include <QTest>

#include "tests/install/picture_compare.h"
#include "tools/gallery/errors.h"
#include "tools/gallery/options.h"
#include "tools/gallery/solid_renderer.h"
#include "ui/main_window.h"

namespace velkora::gallery {
namespace {

using test::firstDifference;
using test::pictureOf;

class GalleryRender : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { catalogue_ = std::make_unique<Catalogue>(loadCatalogueTexts()); }
  static void TearDownTestSuite() { catalogue_.reset(); }
  static const Catalogue& catalogue() { return *catalogue_; }

 private:
  static std::unique_ptr<Catalogue> catalogue_;
};

std::unique_ptr<Catalogue> GalleryRender::catalogue_;

TEST_F(GalleryRender, TypesAndPositionsOfTheNameList) {
  ASSERT_EQ(catalogue().names.size(), 31u);
  std::set<int> types;
  for (int position = 0; position < 31; ++position) {
    const int type = typeAt(catalogue(), position);
    types.insert(type);
    EXPECT_EQ(positionOfType(catalogue(), type), position) << "type " << type;
  }
  EXPECT_EQ(types.size(), 31u);
  EXPECT_EQ(*types.begin(), 0);
  EXPECT_EQ(*types.rbegin(), 30);
  EXPECT_EQ(positionOfType(catalogue(), 3), 3);    // Ikosaeder
  EXPECT_EQ(positionOfType(catalogue(), 10), 5);   // Abgeschrägtes Dodekaeder
  EXPECT_EQ(positionOfType(catalogue(), 25), 30);  // Rhombentriakontaeder
  EXPECT_THROW(positionOfType(catalogue(), 31), ESolidNotFound);
  EXPECT_THROW(positionOfType(catalogue(), -1), ESolidNotFound);
  EXPECT_THROW(typeAt(catalogue(), 31), ESolidNotFound);
}

TEST_F(GalleryRender, NamesAreDecodedToUtf8) {
  EXPECT_EQ(solidNameAt(catalogue(), 3), "Ikosaeder");
  EXPECT_EQ(solidNameAt(catalogue(), 1), "Hexaeder, W\xC3\xBCrfel");
  EXPECT_EQ(solidNameAt(catalogue(), 5), "Abgeschr\xC3\xA4gtes Dodekaeder");
  EXPECT_EQ(solidNameAt(catalogue(), 28), "Pyramidenw\xC3\xBCrfel");
}

TEST_F(GalleryRender, ViewsAndMarksChangeThePicture) {
  const QSize size = windowDrawingSize();
  const QImage polyhedron = renderSolid(catalogue(), 3, View::Polyhedron, false, size);
  const QImage inner = renderSolid(catalogue(), 3, View::InnerSphere, false, size);
  const QImage outer = renderSolid(catalogue(), 3, View::OuterSphere, false, size);
  const QImage marked = renderSolid(catalogue(), 3, View::Polyhedron, true, size);
  EXPECT_NE(firstDifference(polyhedron, inner), "");
  EXPECT_NE(firstDifference(polyhedron, outer), "");
  EXPECT_NE(firstDifference(inner, outer), "");
  EXPECT_NE(firstDifference(polyhedron, marked), "");
  // Scaled to 260 pixels about the middle: the middle is painted, the corners are white.
  EXPECT_NE(polyhedron.pixel(317, 331) & 0xFFFFFFu, 0xFFFFFFu);
  EXPECT_EQ(polyhedron.pixel(0, 0) & 0xFFFFFFu, 0xFFFFFFu);
  EXPECT_EQ(polyhedron.pixel(633, 662) & 0xFFFFFFu, 0xFFFFFFu);
  // The same call gives the same picture.
  EXPECT_EQ(firstDifference(outer, renderSolid(catalogue(), 3, View::OuterSphere, false, size)),
            "");
}

TEST_F(GalleryRender, SizesAndBadRequests) {
  const QImage small = renderSolid(catalogue(), 0, View::Polyhedron, false, QSize(200, 100));
  EXPECT_EQ(small.size(), QSize(200, 100));
  EXPECT_NE(small.pixel(100, 50) & 0xFFFFFFu, 0xFFFFFFu);

  const QImage full = renderSolid(catalogue(), 0, View::Polyhedron, false, windowDrawingSize());
  EXPECT_EQ(scaledToWidth(full, 160).size(), QSize(160, 167));
  EXPECT_EQ(scaledToWidth(full, 0).size(), full.size());

  EXPECT_THROW(renderSolid(catalogue(), 31, View::Polyhedron, false, QSize(10, 10)),
               ESolidNotFound);
  EXPECT_THROW(renderSolid(catalogue(), 0, View::Polyhedron, false, QSize(0, 10)), EGalleryError);
}

// Every solid in every view, and two with marks, against the window's own
// frame after a list click and a click on the view's radio button.
TEST_F(GalleryRender, PicturesEqualTheWindowAfterAListClick) {
  QStringList errors;
  auto window = std::make_unique<TFVelkora>([&errors](const QString& text) { errors << text; });
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  auto* list = window->findChild<QListWidget*>(QStringLiteral("Listbox1"));
  auto* marks = window->findChild<QCheckBox*>(QStringLiteral("CPunkte"));
  const std::array<QRadioButton*, 3> radios{
      window->findChild<QRadioButton*>(QStringLiteral("RadioB1")),
      window->findChild<QRadioButton*>(QStringLiteral("RadioB2")),
      window->findChild<QRadioButton*>(QStringLiteral("RadioB3"))};
  ASSERT_NE(list, nullptr);
  ASSERT_NE(marks, nullptr);
  ASSERT_TRUE(std::none_of(radios.begin(), radios.end(), [](auto* r) { return r == nullptr; }));
  ASSERT_EQ(window->frameBuffers().frame.width, windowDrawingSize().width());
  ASSERT_EQ(window->frameBuffers().frame.height, windowDrawingSize().height());

  const std::array<View, 3> views{View::Polyhedron, View::InnerSphere, View::OuterSphere};
  for (int row = 30; row >= 0; --row) {
    marks->setChecked(row == 21 || row == 7);
    radios[0]->setChecked(true);
    list->setCurrentRow(row);  // LB1C: loads the solid in its initial pose and draws
    for (std::size_t v = 0; v < views.size(); ++v) {
      radios[v]->setChecked(true);  // redraws the same model in that view
      const QImage expected = pictureOf(window->frameBuffers().frame);
      const QImage picture = renderSolid(catalogue(), static_cast<std::size_t>(row), views[v],
                                         marks->isChecked(), windowDrawingSize());
      EXPECT_EQ(firstDifference(picture, expected), "")
          << "position " << row << ", " << viewName(views[v]);
    }
  }
  EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

}  // namespace
}  // namespace velkora::gallery
