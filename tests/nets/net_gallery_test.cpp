// The net gallery: small palette thumbnails that still show the net, and a
// page that lists every entry with a picture link and the regenerate command.

#include <gtest/gtest.h>

#include "model/polyhedron.h"
#include "model/solid_catalogue.h"
#include "nets/layout.h"
#include "tests/support/embedded_catalogue.h"
#include "tools/net_gallery/net_gallery.h"

namespace velkora {
namespace {

TEST(NetGallery, ThumbnailIsAFewColourPictureOfTheNet) {
  const NetDocument net = buildNet(test::embeddedSolid(16), {});
  const QImage thumb = netgallery::netThumbnail(net, 300);
  EXPECT_EQ(thumb.width(), 300);
  EXPECT_NEAR(thumb.height(), 300 * 297 / 210, 1);  // A4 portrait proportions
  ASSERT_EQ(thumb.format(), QImage::Format_Indexed8);
  EXPECT_LE(thumb.colorCount(), 32);
  // Both face tints of the solid (triangles, squares) appear in the picture.
  int triangles = 0, squares = 0;
  for (int y = 0; y < thumb.height(); ++y) {
    for (int x = 0; x < thumb.width(); ++x) {
      const QRgb c = thumb.pixel(x, y);
      triangles += c == qRgb(255, 243, 196);
      squares += c == qRgb(217, 236, 255);
    }
  }
  EXPECT_GT(triangles, 100);
  EXPECT_GT(squares, 100);
}

TEST(NetGallery, PageListsEveryEntryWithItsPicture) {
  std::vector<netgallery::GalleryEntry> entries{
      {0, "Tetraeder", 105.6, "nets/net_00.png"},
      {30, "Rhombentriakontaeder", 25.6, "nets/net_30.png"}};
  const std::string page = netgallery::galleryPage(entries);
  EXPECT_NE(page.find("--target nets_gallery"), std::string::npos);
  EXPECT_NE(page.find("| 0 | Tetraeder | 105,6 mm | ![Tetraeder](nets/net_00.png) |"),
            std::string::npos);
  EXPECT_NE(
      page.find(
          "| 30 | Rhombentriakontaeder | 25,6 mm | ![Rhombentriakontaeder](nets/net_30.png) |"),
      std::string::npos);
  EXPECT_EQ(netgallery::pictureName(5), "net_05.png");
}

}  // namespace
}  // namespace velkora
