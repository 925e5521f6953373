#pragma once
// The net gallery: a small picture of a net's first page (QImage through
// paintNetPage, reduced to a few colours so the PNG stays small) and the
// Markdown page that shows the default nets of all solids. Writes no files.

#include <QImage>
#include <string>
#include <vector>

#include "nets/net_types.h"

namespace velkora::netgallery {

// The first page of net, width pixels wide, in an 8-bit palette of the
// net's tints, greys, black and white. Needs width >= 50.
QImage netThumbnail(const NetDocument& net, int width);

struct GalleryEntry {
  int position = 0;
  std::string name;     // UTF-8
  double edgeMm = 0.0;  // default edge size on A4
  std::string picture;  // file name relative to the page, e.g. "nets/net_05.png"
};

// The Markdown page: how to regenerate it, what the drawing shows, and a
// table of all entries with their thumbnails.
std::string galleryPage(const std::vector<GalleryEntry>& entries);

// "net_05.png" for list position 5.
std::string pictureName(int position);

}  // namespace velkora::netgallery
