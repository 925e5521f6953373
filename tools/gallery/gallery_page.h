#pragma once
// The whole gallery: every solid of the name list in the three views written
// as PNG files into one folder, and a Markdown page that shows them in a table
// with their German names. Rendering itself is solid_renderer's job.

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include <QSize>

#include "tools/gallery/solid_renderer.h"

namespace velkora::gallery {

inline constexpr std::array<View, 3> kAllViews{View::Polyhedron, View::InnerSphere,
                                               View::OuterSphere};

// One row of the page: a solid and its three pictures (in the order of kAllViews).
struct GalleryEntry {
  int position = 0;
  int type = 0;
  std::string name;  // UTF-8
  std::array<std::filesystem::path, 3> pictures;
};

// The file name of a picture, e.g. "t03-outer.png" for type 3 in its outer sphere.
std::string pictureFileName(int type, View view, bool marks);

// Writes a PNG file, reduced to a 256-colour palette when asked (for
// thumbnails); throws EGalleryError when it cannot be written.
void savePicture(const QImage& picture, const std::filesystem::path& file, bool palette);

// Renders every solid in list order in the three views at size, scales each
// picture to thumbWidth (0 keeps the size; a thumbnail is saved with a
// palette) and writes it into folder, which is created when missing.
// Returns one entry per solid.
std::vector<GalleryEntry> writeGalleryPictures(const Catalogue& catalogue,
                                               const std::filesystem::path& folder, bool marks,
                                               QSize size, int thumbWidth);

// The Markdown text of the page: one table each for the Platonic, Archimedean
// and Catalan solids, pictures linked relative to pageFolder.
std::string galleryPage(const std::vector<GalleryEntry>& entries,
                        const std::filesystem::path& pageFolder);

// Writes text to file as it is; throws EGalleryError when it cannot.
void writeTextFile(const std::filesystem::path& file, const std::string& text);

}  // namespace velkora::gallery
