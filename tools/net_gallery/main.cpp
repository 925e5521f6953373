// korvelindra_net_gallery: the default net (A4, best orientation) of every
// catalogue solid as a PNG thumbnail in --out, and with --page the Markdown
// gallery page. Files are replaced atomically. Exit code 0 on success, 1 when
// building or writing fails, 2 for a usage error.

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>
#include <exception>
#include <string>

#include "model/solid.h"
#include "model/solid_catalogue.h"
#include "nets/layout.h"
#include "tools/net_gallery/net_gallery.h"

namespace {

using namespace velkora;

const char* const kUsage =
    "usage: korvelindra_net_gallery --out DIR [--page FILE] [--width PIXELS]\n"
    "  --out DIR       folder for net_NN.png (created if missing)\n"
    "  --page FILE     also write the Markdown gallery page (pictures linked relative to it)\n"
    "  --width PIXELS  thumbnail width, default 300\n";

void writeFile(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    throw ENetError("cannot write " + path.toStdString());
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  QString out;
  QString page;
  int width = 300;
  const QStringList args = app.arguments();
  for (qsizetype k = 1; k < args.size(); ++k) {
    const bool hasValue = k + 1 < args.size();
    if (args[k] == QLatin1String("--out") && hasValue) {
      out = args[++k];
    } else if (args[k] == QLatin1String("--page") && hasValue) {
      page = args[++k];
    } else if (args[k] == QLatin1String("--width") && hasValue) {
      bool ok = false;
      width = args[++k].toInt(&ok);
      if (!ok || width < 50 || width > 4000) {
        std::fprintf(stderr, "korvelindra_net_gallery: width must be 50..4000\n%s", kUsage);
        return 2;
      }
    } else {
      std::fprintf(stderr, "korvelindra_net_gallery: unknown argument %s\n%s",
                   args[k].toLocal8Bit().constData(), kUsage);
      return 2;
    }
  }
  if (out.isEmpty()) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  try {
    const QDir folder(QDir::current().absoluteFilePath(out));
    if (!QDir().mkpath(folder.absolutePath()))
      throw ENetError("cannot create " + out.toStdString());
    const std::vector<Solid> solids = readAllSolids(loadCatalogueTexts());
    std::vector<netgallery::GalleryEntry> entries;
    for (const Solid& solid : solids) {
      const int position = solid.position;
      const std::string& name = solid.name;
      const NetDocument net = buildNet(solid, {});
      const QString file =
          folder.absoluteFilePath(QString::fromStdString(netgallery::pictureName(position)));
      QByteArray png;
      QBuffer buffer(&png);
      buffer.open(QIODevice::WriteOnly);
      if (!netgallery::netThumbnail(net, width).save(&buffer, "PNG", 9)) {
        throw ENetError("cannot encode " + file.toStdString());
      }
      writeFile(file, png);
      const QString relative =
          page.isEmpty()
              ? file
              : QFileInfo(QDir::current().absoluteFilePath(page)).dir().relativeFilePath(file);
      entries.push_back({position, name, net.edgeMm, relative.toStdString()});
    }
    std::printf("%zu Netze in %s\n", entries.size(),
                folder.absolutePath().toLocal8Bit().constData());
    if (!page.isEmpty()) {
      writeFile(page, QByteArray::fromStdString(netgallery::galleryPage(entries)));
      std::printf("Seite %s\n", page.toLocal8Bit().constData());
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "korvelindra_net_gallery: %s\n", error.what());
    return 1;
  }
  return 0;
}
