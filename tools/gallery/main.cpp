// korvelindra_gallery: pictures of the catalogue solids made by the viewer's
// own renderer. One solid in one view (--type or --position, --view, --out),
// or every solid in the three views with a Markdown page (--all, --page).
// Exit code 0 on success, 1 when loading or writing fails, 2 for a usage error.

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/gallery/errors.h"
#include "tools/gallery/gallery_page.h"
#include "tools/gallery/options.h"
#include "tools/gallery/solid_renderer.h"

namespace {

using namespace velkora::gallery;

void renderOne(const Options& options, const Catalogue& catalogue) {
  const int position = options.type ? positionOfType(catalogue, *options.type) : *options.position;
  const QImage frame = renderSolid(catalogue, position, options.view, options.marks, options.size);
  savePicture(scaledToWidth(frame, options.thumbWidth), options.out, options.thumbWidth > 0);
}

void renderAll(const Options& options, const Catalogue& catalogue) {
  const std::filesystem::path folder = std::filesystem::absolute(options.allDir);
  const auto entries =
      writeGalleryPictures(catalogue, folder, options.marks, options.size, options.thumbWidth);
  std::printf("%zu Bilder in %s\n", entries.size() * kAllViews.size(), folder.string().c_str());
  if (!options.page.empty()) {
    const std::filesystem::path page = std::filesystem::absolute(options.page);
    writeTextFile(page, galleryPage(entries, page.parent_path()));
    std::printf("Seite %s\n", page.string().c_str());
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  Options options;
  try {
    options = parseOptions(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const EGalleryError& error) {
    std::fprintf(stderr, "korvelindra_gallery: %s\n\n%s", error.what(), usageText().c_str());
    return 2;
  }
  if (options.help) {
    std::fputs(usageText().c_str(), stdout);
    return 0;
  }
  try {
    const Catalogue catalogue = velkora::loadCatalogueTexts();
    if (options.allDir.empty()) {
      renderOne(options, catalogue);
    } else {
      renderAll(options, catalogue);
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "korvelindra_gallery: %s\n", error.what());
    return 1;
  }
  return 0;
}
