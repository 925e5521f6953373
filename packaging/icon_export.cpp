// korvelindra_icon_export <file.png|file.svg> [side]
// Writes the program icon (the picture the viewer draws for its window) as a
// PNG of side x side pixels or as a scalable SVG, so that the installed desktop
// entry shows the same icon at every size. side defaults to 64 (1 to 1024).
// Needs no display: the icon is painted into a QImage only.

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <QFile>
#include <QImage>
#include <QString>

#include "packaging/icon_svg.h"
#include "ui/app_icon.h"

namespace {

constexpr int kLargestSide = 1024;

bool endsWith(const char* text, const char* suffix) {
  const std::size_t length = std::strlen(text);
  const std::size_t suffixLength = std::strlen(suffix);
  return length >= suffixLength && std::strcmp(text + length - suffixLength, suffix) == 0;
}

int writePng(const char* path, int side) {
  const QImage icon = velkora::appIconImage(side);
  if (icon.width() != side || icon.height() != side) {
    std::fprintf(stderr, "korvelindra_icon_export: Symbol hat %d x %d statt %d x %d Pixel\n",
                 icon.width(), icon.height(), side, side);
    return 1;
  }
  if (!icon.save(QString::fromLocal8Bit(path), "PNG")) {
    std::fprintf(stderr, "korvelindra_icon_export: %s konnte nicht geschrieben werden\n", path);
    return 1;
  }
  return 0;
}

int writeSvg(const char* path, int side) {
  QFile file(QString::fromLocal8Bit(path));
  const QByteArray svg = velkora::appIconSvg(side);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(svg) != svg.size() ||
      !file.flush()) {
    std::fprintf(stderr, "korvelindra_icon_export: %s konnte nicht geschrieben werden\n", path);
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2 || argc > 3 || !(endsWith(argv[1], ".png") || endsWith(argv[1], ".svg"))) {
    std::fputs("Aufruf: korvelindra_icon_export <Datei.png|Datei.svg> [Seitenlänge]\n", stderr);
    return 2;
  }
  int side = velkora::kIconSize;
  if (argc == 3) {
    char* end = nullptr;
    const long value = std::strtol(argv[2], &end, 10);
    if (end == argv[2] || *end != '\0' || value < 1 || value > kLargestSide) {
      std::fprintf(stderr, "korvelindra_icon_export: Seitenlänge %s ist keine Zahl von 1 bis %d\n",
                   argv[2], kLargestSide);
      return 2;
    }
    side = static_cast<int>(value);
  }
  return endsWith(argv[1], ".svg") ? writeSvg(argv[1], side) : writePng(argv[1], side);
}
