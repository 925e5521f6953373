#include "ui/settings_store.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <QTextStream>
#include <QVariant>

#include "base/family.h"
#include "exports/picture.h"
#include "translations/language.h"

namespace velkora {

namespace {

// A settings file larger than this is not one the program wrote.
constexpr qint64 kLargestFile = 64 * 1024;
// No value the program writes is longer (a folder path at most).
constexpr qsizetype kLongestValue = 4096;

// The plain text stored under key, or empty where it is missing, of another
// type (a list, a binary variant) or too long.
std::optional<QString> textOf(const QSettings& file, const QString& key) {
  const QVariant value = file.value(key);
  if (value.typeId() != QMetaType::QString) return std::nullopt;
  QString text = value.toString();
  if (text.isEmpty() || text.size() > kLongestValue) return std::nullopt;
  return text;
}

std::optional<int> intOf(const QSettings& file, const QString& key, int lowest, int highest) {
  const auto text = textOf(file, key);
  if (!text) return std::nullopt;
  bool ok = false;
  const int value = text->toInt(&ok, 10);
  if (!ok || value < lowest || value > highest) return std::nullopt;
  return value;
}

std::optional<double> numberOf(const QSettings& file, const QString& key, double lowest,
                               double highest) {
  const auto text = textOf(file, key);
  if (!text) return std::nullopt;
  bool ok = false;
  const double value = QLocale::c().toDouble(*text, &ok);
  if (!ok || !std::isfinite(value) || value < lowest || value > highest) return std::nullopt;
  return value;
}

std::optional<bool> boolOf(const QSettings& file, const QString& key) {
  const auto text = textOf(file, key);
  if (text == QStringLiteral("true")) return true;
  if (text == QStringLiteral("false")) return false;
  return std::nullopt;
}

// The value whose name is stored under key, among names.
template <typename T, std::size_t N>
std::optional<T> choiceOf(const QSettings& file, const QString& key,
                          const std::pair<const char*, T> (&names)[N]) {
  const auto text = textOf(file, key);
  if (!text) return std::nullopt;
  for (const auto& [name, value] : names) {
    if (*text == QLatin1String(name)) return value;
  }
  return std::nullopt;
}

template <typename T, std::size_t N>
QString nameOf(T value, const std::pair<const char*, T> (&names)[N]) {
  for (const auto& [name, each] : names) {
    if (each == value) return QLatin1String(name);
  }
  return QLatin1String(names[0].first);
}

template <typename T>
void take(T& target, const std::optional<T>& value) {
  if (value) target = *value;
}

const std::pair<const char*, View> kViews[] = {
    {"polyeder", View::Polyhedron}, {"inkugel", View::InnerSphere}, {"umkugel", View::OuterSphere}};
const std::pair<const char*, Paper> kPapers[] = {
    {"a4", Paper::A4}, {"a3", Paper::A3}, {"letter", Paper::Letter}};
const std::pair<const char*, Orientation> kOrientations[] = {{"auto", Orientation::Best},
                                                             {"portrait", Orientation::Portrait},
                                                             {"landscape", Orientation::Landscape}};
const std::pair<const char*, TabStyle> kTabStyles[] = {
    {"one", TabStyle::One}, {"both", TabStyle::Both}, {"none", TabStyle::None}};
const std::pair<const char*, AnimationKind> kAnimationKinds[] = {
    {"spin", AnimationKind::Spin},
    {"morph", AnimationKind::Morph},
    {"kaleidoscope", AnimationKind::Kaleidoscope},
    {"fold", AnimationKind::Fold}};
const std::pair<const char*, bool> kPoses[] = {{"current", true}, {"start", false}};
const char* const kStepKeys[] = {"view/stepX", "view/stepY", "view/stepZ"};

std::optional<QRect> geometryOf(const QSettings& file) {
  const auto x =
      intOf(file, QStringLiteral("window/x"), -kFarthestWindowCorner, kFarthestWindowCorner);
  const auto y =
      intOf(file, QStringLiteral("window/y"), -kFarthestWindowCorner, kFarthestWindowCorner);
  const auto w = intOf(file, QStringLiteral("window/width"), 1, kLargestWindowSide);
  const auto h = intOf(file, QStringLiteral("window/height"), 1, kLargestWindowSide);
  if (!x || !y || !w || !h) return std::nullopt;
  return QRect(*x, *y, *w, *h);
}

// A folder that exists, given as an absolute path.
std::optional<QString> folderOf(const QSettings& file, const QString& key) {
  const auto text = textOf(file, key);
  if (!text || text->contains(QChar(0)) || !QDir::isAbsolutePath(*text)) return std::nullopt;
  const QFileInfo info(*text);
  if (!info.isDir()) return std::nullopt;
  return info.absoluteFilePath();
}

QString number(double value) { return QString::number(value, 'g', 17); }

// Drops Qt's messages while it lives: a damaged file would otherwise have Qt
// warn once per damaged value (unknown variant types and the like), and every
// such value is dropped for its default anyway.
class QuietQt {
 public:
  QuietQt() : previous_(qInstallMessageHandler(ignore)) {}
  ~QuietQt() { qInstallMessageHandler(previous_); }
  QuietQt(const QuietQt&) = delete;
  QuietQt& operator=(const QuietQt&) = delete;

 private:
  static void ignore(QtMsgType, const QMessageLogContext&, const QString&) {}
  QtMessageHandler previous_;
};

}  // namespace

Settings readSettings(const QSettings& file) {
  Settings settings;
  StartChoices& start = settings.start;
  start.geometry = geometryOf(file);
  take(start.maximized, boolOf(file, QStringLiteral("window/maximized")));
  start.position = intOf(file, QStringLiteral("view/solid"), 0, kSolidCount - 1);
  start.view = choiceOf(file, QStringLiteral("view/view"), kViews);
  start.marks = boolOf(file, QStringLiteral("view/marks"));
  for (std::size_t axis = 0; axis < 3; ++axis) {
    start.steps[axis] = intOf(file, QLatin1String(kStepKeys[axis]), -15, 15);
  }
  start.lineWidth = intOf(file, QStringLiteral("view/lineWidth"), kMinLineWidth, kMaxLineWidth);
  start.reducedMotion = boolOf(file, QStringLiteral("view/reducedMotion"));
  start.colourFaces = boolOf(file, QStringLiteral("view/colourFaces"));

  DialogChoices& dialogs = settings.dialogs;
  if (const auto scale = intOf(file, QStringLiteral("picture/scale"), 1, 4);
      scale && std::ranges::find(kPictureScales, *scale) != std::end(kPictureScales)) {
    dialogs.pictureScale = *scale;
  }
  take(dialogs.animationKind, choiceOf(file, QStringLiteral("animation/kind"), kAnimationKinds));
  take(dialogs.animationFrames,
       intOf(file, QStringLiteral("animation/frames"), kMinAnimationFrames, kMaxAnimationFrames));
  take(dialogs.solidCurrentPose, choiceOf(file, QStringLiteral("solid/pose"), kPoses));
  take(dialogs.solidSizeMm,
       numberOf(file, QStringLiteral("solid/size"), kSmallestDiameterMm, kLargestDiameterMm));
  NetChoices& net = dialogs.net;
  take(net.paper, choiceOf(file, QStringLiteral("net/paper"), kPapers));
  take(net.orientation, choiceOf(file, QStringLiteral("net/orientation"), kOrientations));
  take(net.edgeMm, numberOf(file, QStringLiteral("net/edge"), 0.0, 1000.0));
  take(net.tabStyle, choiceOf(file, QStringLiteral("net/tabs"), kTabStyles));
  take(net.numbers, boolOf(file, QStringLiteral("net/numbers")));
  take(net.faceNumbers, boolOf(file, QStringLiteral("net/faceNumbers")));
  take(net.foldAngles, boolOf(file, QStringLiteral("net/foldAngles")));
  take(net.scaleBar, boolOf(file, QStringLiteral("net/scaleBar")));
  take(dialogs.sheetBlanks, boolOf(file, QStringLiteral("sheet/blanks")));
  for (const char* key : kFolderKeys) {
    if (const auto folder = folderOf(file, QStringLiteral("folders/") + QLatin1String(key))) {
      dialogs.folders[QLatin1String(key)] = *folder;
    }
  }
  // Only a language the program has, written as the program writes it.
  if (const auto code = textOf(file, QStringLiteral("language"));
      code && availableLanguages().contains(*code))
    settings.language = *code;
  return settings;
}

void writeSettings(QSettings& file, const Settings& settings) {
  file.clear();
  if (settings.language) file.setValue(QStringLiteral("language"), *settings.language);
  const StartChoices& start = settings.start;
  if (start.geometry) {
    file.setValue(QStringLiteral("window/x"), QString::number(start.geometry->x()));
    file.setValue(QStringLiteral("window/y"), QString::number(start.geometry->y()));
    file.setValue(QStringLiteral("window/width"), QString::number(start.geometry->width()));
    file.setValue(QStringLiteral("window/height"), QString::number(start.geometry->height()));
  }
  file.setValue(QStringLiteral("window/maximized"),
                start.maximized ? QStringLiteral("true") : QStringLiteral("false"));
  const auto flag = [](bool on) { return on ? QStringLiteral("true") : QStringLiteral("false"); };
  if (start.position) file.setValue(QStringLiteral("view/solid"), QString::number(*start.position));
  if (start.view) file.setValue(QStringLiteral("view/view"), nameOf(*start.view, kViews));
  if (start.marks) file.setValue(QStringLiteral("view/marks"), flag(*start.marks));
  for (std::size_t axis = 0; axis < 3; ++axis) {
    if (start.steps[axis]) {
      file.setValue(QLatin1String(kStepKeys[axis]), QString::number(*start.steps[axis]));
    }
  }
  if (start.lineWidth) {
    file.setValue(QStringLiteral("view/lineWidth"), QString::number(*start.lineWidth));
  }
  if (start.reducedMotion) {
    file.setValue(QStringLiteral("view/reducedMotion"), flag(*start.reducedMotion));
  }
  if (start.colourFaces) {
    file.setValue(QStringLiteral("view/colourFaces"), flag(*start.colourFaces));
  }

  const DialogChoices& dialogs = settings.dialogs;
  file.setValue(QStringLiteral("picture/scale"), QString::number(dialogs.pictureScale));
  file.setValue(QStringLiteral("animation/kind"), nameOf(dialogs.animationKind, kAnimationKinds));
  file.setValue(QStringLiteral("animation/frames"), QString::number(dialogs.animationFrames));
  file.setValue(QStringLiteral("solid/pose"), nameOf(dialogs.solidCurrentPose, kPoses));
  file.setValue(QStringLiteral("solid/size"), number(dialogs.solidSizeMm));
  const NetChoices& net = dialogs.net;
  file.setValue(QStringLiteral("net/paper"), nameOf(net.paper, kPapers));
  file.setValue(QStringLiteral("net/orientation"), nameOf(net.orientation, kOrientations));
  file.setValue(QStringLiteral("net/edge"), number(net.edgeMm));
  file.setValue(QStringLiteral("net/tabs"), nameOf(net.tabStyle, kTabStyles));
  file.setValue(QStringLiteral("net/numbers"), flag(net.numbers));
  file.setValue(QStringLiteral("net/faceNumbers"), flag(net.faceNumbers));
  file.setValue(QStringLiteral("net/foldAngles"), flag(net.foldAngles));
  file.setValue(QStringLiteral("net/scaleBar"), flag(net.scaleBar));
  file.setValue(QStringLiteral("sheet/blanks"), flag(dialogs.sheetBlanks));
  for (const auto& [key, folder] : dialogs.folders) {
    file.setValue(QStringLiteral("folders/") + key, folder);
  }
}

std::optional<QRect> restorableGeometry(QRect stored, QSize minimum, const QList<QRect>& screens) {
  if (stored.width() < minimum.width() || stored.height() < minimum.height()) return std::nullopt;
  for (const QRect& area : screens) {
    if (!area.contains(QPoint(stored.center().x(), stored.top()))) continue;
    if (stored.width() > area.width() || stored.height() > area.height()) return std::nullopt;
    const int x = std::clamp(stored.x(), area.left(), area.right() + 1 - stored.width());
    const int y = std::clamp(stored.y(), area.top(), area.bottom() + 1 - stored.height());
    return QRect(QPoint(x, y), stored.size());
  }
  return std::nullopt;
}

SettingsStore::SettingsStore()
    : path_(QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("korvelindra"),
                      QStringLiteral("korvelindra"))
                .fileName()) {}

SettingsStore::SettingsStore(QString path) : path_(std::move(path)) {}

Settings SettingsStore::load() const {
  const QFileInfo info(path_);
  // Only a plain file of a sensible size is read: not a folder, not a pipe
  // that would block, not a file that would take long to parse.
  if (!info.exists() || !info.isFile() || info.size() > kLargestFile) return {};
  const QuietQt quiet;
  const QSettings file(path_, QSettings::IniFormat);
  return readSettings(file);
}

void SettingsStore::reset() {
  if (QFileInfo(path_).isFile()) QFile::remove(path_);
}

bool SettingsStore::save(const Settings& settings) {
  const QFileInfo info(path_);
  bool written = false;
  if (!info.exists() || info.isFile()) {
    // A damaged or oversized file is replaced rather than merged with.
    if (info.size() > kLargestFile) QFile::remove(path_);
    for (int attempt = 0; attempt < 2 && !written; ++attempt) {
      QSettings file(path_, QSettings::IniFormat);
      writeSettings(file, settings);
      file.sync();
      written = file.status() == QSettings::NoError;
      if (file.status() != QSettings::FormatError) break;
      QFile::remove(path_);
    }
  }
  if (!written && !noted_) {
    noted_ = true;
    QTextStream(stderr) << "korvelindra: the settings could not be saved to " << path_ << '\n';
  }
  return written;
}

}  // namespace velkora
