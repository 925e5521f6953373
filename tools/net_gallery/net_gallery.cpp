#include "tools/net_gallery/net_gallery.h"

#include <QPainter>
#include <cmath>

#include "nets/net_paint.h"
#include "text/number_text.h"

namespace velkora::netgallery {

namespace {

// Every colour a net page uses at full strength; anti-aliased pixels fall to the nearest.
QList<QRgb> netPalette() {
  QList<QRgb> colours{qRgb(255, 255, 255), qRgb(0, 0, 0),       qRgb(60, 60, 60),
                      qRgb(110, 110, 110), qRgb(160, 160, 160), qRgb(200, 200, 200),
                      qRgb(232, 232, 232), qRgb(255, 243, 196), qRgb(217, 236, 255),
                      qRgb(223, 245, 216), qRgb(255, 224, 214), qRgb(236, 224, 255),
                      qRgb(255, 232, 194), qRgb(235, 235, 235)};
  // Tints half way to black: thin lines across a face.
  for (int k = 7; k < 13; ++k) {
    const QRgb c = colours[k];
    colours.push_back(qRgb(qRed(c) / 2, qGreen(c) / 2, qBlue(c) / 2));
  }
  return colours;
}

}  // namespace

QImage netThumbnail(const NetDocument& net, int width) {
  // Drawn at twice the size and reduced, so thin lines stay visible.
  const int large = 2 * width;
  const int height = static_cast<int>(std::lround(large * net.paperHeightMm / net.paperWidthMm));
  QImage page(large, height, QImage::Format_RGB32);
  page.fill(Qt::white);
  {
    QPainter painter(&page);
    paintNetPage(painter, net, 0);
  }
  const QImage small = page.scaledToWidth(width, Qt::SmoothTransformation);
  return small.convertToFormat(QImage::Format_Indexed8, netPalette(),
                               Qt::ThresholdDither | Qt::AvoidDither);
}

std::string pictureName(int position) {
  char name[32];
  std::snprintf(name, sizeof name, "net_%02d.png", position);
  return name;
}

std::string galleryPage(const std::vector<GalleryEntry>& entries) {
  std::string page =
      "# Netze zum Ausschneiden\n\n"
      "Neu erzeugen: `cmake --build <build> --target nets_gallery` (schreibt `docs/nets/` und "
      "diese Seite; das Programm ist `korvelindra_net_gallery --out docs/nets --page "
      "docs/nets.md`).\n\n"
      "Jedes Netz hier ist das voreingestellte: A4, die bessere Ausrichtung, die größte "
      "Kantenlänge, bei der das ganze Netz mit Klebelaschen auf eine Seite passt. Die "
      "Kantenlänge ist die Länge der längsten Kante des Körpers (Catalan-Körper haben "
      "ungleich lange Kanten).\n\n"
      "Auf dem Blatt: Schnittlinien durchgezogen, Faltlinien gestrichelt, Flächen nach "
      "Eckenzahl getönt, Klebelaschen grau. Zwei Schnittkanten mit derselben Zahl werden "
      "zusammengeklebt; eine Zahl in Klammern heißt, dass dort keine Lasche von mindestens "
      "3 mm Platz hatte (mit Klebeband schließen).\n\n"
      "Die JSON-Ausgabe der Netze misst in Millimetern, Ursprung links unten auf dem Blatt, "
      "y nach oben; alle Vielecke laufen gegen den Uhrzeigersinn.\n\n"
      "| Nr. | Körper | Kantenlänge | Netz |\n"
      "|---:|---|---:|---|\n";
  for (const GalleryEntry& e : entries) {
    const std::string edgeText = peopleNumber(e.edgeMm, 1) + " mm";
    page += "| " + std::to_string(e.position) + " | " + e.name + " | " + edgeText + " | ![" +
            e.name + "](" + e.picture + ") |\n";
  }
  return page;
}

}  // namespace velkora::netgallery
