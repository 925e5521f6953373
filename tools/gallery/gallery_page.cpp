// Writing the gallery pictures and the Markdown page that shows them.
#include "tools/gallery/gallery_page.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <system_error>

#include <QString>

#include "tools/gallery/errors.h"
#include "tools/gallery/options.h"
#include "tools/gallery/palette.h"

namespace velkora::gallery {

namespace {

constexpr int kMaxCompression = 0;  // QImage::save quality 0: smallest PNG

struct Group {
  const char* title;
  int firstType;
  int lastType;
};

// Types 0..4 are Platonic, 5..17 Archimedean, 18..30 Catalan.
constexpr std::array<Group, 3> kGroups{
    {{"Platonic solids", 0, 4}, {"Archimedean solids", 5, 17}, {"Catalan solids", 18, 30}}};

std::string twoDigits(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d", value);
  return buffer;
}

// A path as a Markdown link: forward slashes, and spaces escaped.
std::string linkTarget(const std::filesystem::path& path) {
  std::string text = path.generic_string();
  std::string escaped;
  for (const char c : text) {
    escaped += c == ' ' ? std::string("%20") : std::string(1, c);
  }
  return escaped;
}

}  // namespace

std::string pictureFileName(int type, View view, bool marks) {
  std::string name = "t";
  name += twoDigits(type);
  name += '-';
  name += viewName(view);
  name += marks ? "-marks.png" : ".png";
  return name;
}

void savePicture(const QImage& picture, const std::filesystem::path& file, bool palette) {
  const QImage stored = palette ? toPalette(picture) : picture;
  if (!stored.save(QString::fromStdString(file.string()), "PNG", kMaxCompression)) {
    throw EGalleryError("Bild " + file.string() + " konnte nicht geschrieben werden");
  }
}

std::vector<GalleryEntry> writeGalleryPictures(const Catalogue& catalogue,
                                               const std::filesystem::path& folder, bool marks,
                                               QSize size, int thumbWidth) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) {
    throw EGalleryError("Ordner " + folder.string() +
                        " konnte nicht angelegt werden: " + error.message());
  }
  std::vector<GalleryEntry> entries;
  for (int position = 0; static_cast<std::size_t>(position) < catalogue.names.size(); ++position) {
    GalleryEntry entry;
    entry.position = position;
    entry.type = typeAt(catalogue, position);
    entry.name = solidNameAt(catalogue, position);
    for (std::size_t v = 0; v < kAllViews.size(); ++v) {
      const QImage frame = renderSolid(catalogue, position, kAllViews[v], marks, size);
      entry.pictures[v] = folder / pictureFileName(entry.type, kAllViews[v], marks);
      savePicture(scaledToWidth(frame, thumbWidth), entry.pictures[v], thumbWidth > 0);
    }
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::string galleryPage(const std::vector<GalleryEntry>& entries,
                        const std::filesystem::path& pageFolder) {
  std::ostringstream page;
  page << "# Gallery\n\n"
       << "All 31 solids of the list, each in the three views of the window: the polyhedron\n"
       << "alone, with its inner sphere, and inside its outer sphere. Every picture is made by\n"
       << "the program's own renderer from the embedded catalogues, in the pose and size the\n"
       << "window shows right after the solid is picked, and scaled down.\n\n"
       << "Regenerate the pictures and this page from the repository root with\n\n"
       << "```\n"
       << "cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release\n"
       << "cmake --build build/release --target gallery\n"
       << "```\n";
  for (const Group& group : kGroups) {
    page << "\n## " << group.title << "\n\n"
         << "| Position | Type | Name | Polyhedron | Inner sphere | Outer sphere |\n"
         << "|---:|---:|---|:---:|:---:|:---:|\n";
    for (const GalleryEntry& entry : entries) {
      if (entry.type < group.firstType || entry.type > group.lastType) continue;
      page << "| " << entry.position << " | " << entry.type << " | " << entry.name << " |";
      for (const std::filesystem::path& picture : entry.pictures) {
        page << " ![" << entry.name << "](" << linkTarget(picture.lexically_relative(pageFolder))
             << ") |";
      }
      page << "\n";
    }
  }
  return page.str();
}

void writeTextFile(const std::filesystem::path& file, const std::string& text) {
  std::ofstream stream(file, std::ios::binary | std::ios::trunc);
  stream << text;
  stream.close();
  if (!stream) {
    throw EGalleryError("Datei " + file.string() + " konnte nicht geschrieben werden");
  }
}

}  // namespace velkora::gallery
