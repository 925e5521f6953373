// korvelindra_icon_export <file.png>
// Writes the window icon (the 64 x 64 picture the viewer draws for itself) as a
// PNG file, so that the installed desktop entry shows the same icon.
// Needs no display: the icon is painted into a QImage only.

#include <cstdio>

#include <QImage>
#include <QString>

#include "ui/app_icon.h"

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fputs("Aufruf: korvelindra_icon_export <Datei.png>\n", stderr);
    return 2;
  }
  const QImage icon = velkora::appIconImage();
  if (icon.width() != velkora::kIconSize || icon.height() != velkora::kIconSize) {
    std::fprintf(stderr, "korvelindra_icon_export: Symbol hat %d x %d statt %d x %d Pixel\n",
                 icon.width(), icon.height(), velkora::kIconSize, velkora::kIconSize);
    return 1;
  }
  if (!icon.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "korvelindra_icon_export: %s konnte nicht geschrieben werden\n", argv[1]);
    return 1;
  }
  return 0;
}
