// The settings file as hostile input: over a thousand damaged variants of a
// valid file (cut short, bits flipped, binary noise, huge numbers, NaN and
// infinities, wrong types, repeated keys, very long values, invalid UTF-8).
// Each one loads without a crash into values that all lie within their
// ranges; a sample of them starts the real window, which opens within the
// screen, closes, and leaves a file that reads back as what it showed.

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include "base/family.h"
#include "exports/picture.h"
#include "tests/helpers.h"
#include "ui/main_window.h"
#include "ui/settings_store.h"
#include "ui/window_settings.h"

namespace velkora::test {
namespace {

QByteArray validFile(const QString& path, const QString& folder) {
  Settings settings;
  settings.language = QStringLiteral("de");
  settings.start = {
      QRect(60, 70, 900, 720), false, 12, View::InnerSphere, true, {{3, -2, 7}}, 2, false, false};
  settings.dialogs.pictureScale = 2;
  settings.dialogs.solidSizeMm = 75.5;
  settings.dialogs.net.edgeMm = 40.0;
  settings.dialogs.folders[QStringLiteral("net")] = folder;
  {
    QSettings file(path, QSettings::IniFormat);
    writeSettings(file, settings);
  }
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  return file.readAll();
}

std::vector<unsigned char> bytesOf(const QByteArray& text) { return {text.begin(), text.end()}; }

QByteArray textOf(const std::vector<unsigned char>& bytes) {
  return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
}

// Every value after '=' replaced by value, one line at a time.
void eachValueReplaced(const QByteArray& valid, const QByteArray& value,
                       std::vector<QByteArray>& corpus) {
  const QList<QByteArray> lines = valid.split('\n');
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (!lines[i].contains('=')) continue;
    QList<QByteArray> changed = lines;
    changed[i] = lines[i].left(lines[i].indexOf('=') + 1) + value;
    corpus.push_back(changed.join('\n'));
  }
}

std::vector<QByteArray> damagedVariants(const QByteArray& valid) {
  std::vector<QByteArray> corpus;
  const std::vector<unsigned char> bytes = bytesOf(valid);
  std::mt19937 random(20261209);
  // Cut short at every length.
  for (std::size_t keep = 0; keep < bytes.size(); ++keep)
    corpus.push_back(textOf(truncated(bytes, keep)));
  // One bit flipped, at 300 random places.
  std::uniform_int_distribution<std::size_t> anyBit(0, bytes.size() * 8 - 1);
  for (int k = 0; k < 300; ++k)
    corpus.push_back(textOf(bitFlipped(bytes, anyBit(random))));
  // Binary noise: whole files of it, and a run of it in the middle of the valid file.
  std::uniform_int_distribution<int> anyByte(0, 255);
  for (int k = 0; k < 60; ++k) {
    QByteArray noise;
    for (int n = 0; n < 50 + 40 * k; ++n)
      noise.append(static_cast<char>(anyByte(random)));
    corpus.push_back(noise);
    corpus.push_back(valid.left(valid.size() / 2) + noise + valid.mid(valid.size() / 2));
  }
  // Huge numbers, NaN and infinities, wrong types, invalid UTF-8, very long values.
  for (const QByteArray& value : {QByteArray("1e308"),
                                  QByteArray("-1e400"),
                                  QByteArray("99999999999999999999999"),
                                  QByteArray("-2147483649"),
                                  QByteArray("nan"),
                                  QByteArray("inf"),
                                  QByteArray("-inf"),
                                  QByteArray("NaN"),
                                  QByteArray("1, 2, 3"),
                                  QByteArray("@ByteArray(\\0\\xff)"),
                                  QByteArray("@Rect(1 2 3 4)"),
                                  QByteArray("@Size(-5 -5)"),
                                  QByteArray("@Variant(\\0\\0\\0\\x7f)"),
                                  QByteArray("@Variant(\\0\\0\\0\\n\\0\\xff\\xff\\xff\\xff)"),
                                  QByteArray("\xff\xfe\xc3"),
                                  QByteArray("\xc0\xaf/tmp"),
                                  QByteArray("\"unterminated"),
                                  QByteArray("\\x"),
                                  QByteArray(5000, '9'),
                                  QByteArray(70000, 'x')}) {
    eachValueReplaced(valid, value, corpus);
  }
  // Repeated keys: each line once more with a wrong value, after and before it.
  const QList<QByteArray> lines = valid.split('\n');
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (!lines[i].contains('=')) continue;
    const QByteArray key = lines[i].left(lines[i].indexOf('='));
    QList<QByteArray> after = lines;
    after.insert(i + 1, key + "=-1e9");
    corpus.push_back(after.join('\n'));
    QList<QByteArray> before = lines;
    before.insert(i, key + "=garbage");
    corpus.push_back(before.join('\n'));
  }
  // Broken section headers and lines without a value.
  for (const QByteArray& line : {QByteArray("[[["), QByteArray("[view"), QByteArray("]"),
                                 QByteArray("=5"), QByteArray("solid"), QByteArray("\0\0", 2)}) {
    corpus.push_back(line + '\n' + valid);
    corpus.push_back(valid + '\n' + line);
  }
  return corpus;
}

template <typename T>
bool oneOf(T value, std::initializer_list<T> allowed) {
  return std::find(allowed.begin(), allowed.end(), value) != allowed.end();
}

// Every loaded value lies within its range.
void expectWithinRanges(const Settings& settings, std::size_t variant) {
  SCOPED_TRACE(::testing::Message() << "variant " << variant);
  const StartChoices& start = settings.start;
  if (start.geometry) {
    EXPECT_GE(start.geometry->width(), 1);
    EXPECT_LE(start.geometry->width(), kLargestWindowSide);
    EXPECT_GE(start.geometry->height(), 1);
    EXPECT_LE(start.geometry->height(), kLargestWindowSide);
    EXPECT_LE(std::abs(start.geometry->x()), kFarthestWindowCorner);
    EXPECT_LE(std::abs(start.geometry->y()), kFarthestWindowCorner);
  }
  if (start.position) {
    EXPECT_GE(*start.position, 0);
    EXPECT_LT(*start.position, kSolidCount);
  }
  if (start.view) {
    EXPECT_TRUE(oneOf(*start.view, {View::Polyhedron, View::InnerSphere, View::OuterSphere}));
  }
  for (const auto& step : start.steps) {
    if (step) {
      EXPECT_GE(*step, -15);
      EXPECT_LE(*step, 15);
    }
  }
  const DialogChoices& dialogs = settings.dialogs;
  EXPECT_TRUE(oneOf(dialogs.pictureScale, {1, 2, 4}));
  EXPECT_TRUE(oneOf(dialogs.animationKind, {AnimationKind::Spin, AnimationKind::Morph,
                                            AnimationKind::Kaleidoscope, AnimationKind::Fold}));
  EXPECT_GE(dialogs.animationFrames, kMinAnimationFrames);
  EXPECT_LE(dialogs.animationFrames, kMaxAnimationFrames);
  EXPECT_TRUE(std::isfinite(dialogs.solidSizeMm));
  EXPECT_GE(dialogs.solidSizeMm, kSmallestDiameterMm);
  EXPECT_LE(dialogs.solidSizeMm, kLargestDiameterMm);
  const NetChoices& net = dialogs.net;
  EXPECT_TRUE(oneOf(net.paper, {Paper::A4, Paper::A3, Paper::Letter}));
  EXPECT_TRUE(
      oneOf(net.orientation, {Orientation::Best, Orientation::Portrait, Orientation::Landscape}));
  EXPECT_TRUE(oneOf(net.tabStyle, {TabStyle::One, TabStyle::Both, TabStyle::None}));
  EXPECT_TRUE(std::isfinite(net.edgeMm));
  EXPECT_GE(net.edgeMm, 0.0);
  EXPECT_LE(net.edgeMm, 1000.0);
  for (const auto& [key, folder] : dialogs.folders) {
    EXPECT_TRUE(QFileInfo(folder).isDir()) << folder.toStdString();
  }
  if (settings.language) {
    EXPECT_TRUE(*settings.language == QStringLiteral("de") ||
                *settings.language == QStringLiteral("en"));
  }
}

TEST(SettingsCorpus, DamagedFilesLoadIntoValuesWithinTheirRanges) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString path = folder.filePath(QStringLiteral("korvelindra.ini"));
  const QByteArray valid = validFile(path, folder.path());
  ASSERT_GT(valid.size(), 300);
  const std::vector<QByteArray> corpus = damagedVariants(valid);
  ASSERT_GE(corpus.size(), 1000u);
  std::size_t changed = 0;
  const Settings original = SettingsStore(path).load();
  ASSERT_EQ(original.start.position, 12);
  for (std::size_t k = 0; k < corpus.size(); ++k) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(corpus[k]);
    file.close();
    const Settings loaded = SettingsStore(path).load();
    expectWithinRanges(loaded, k);
    if (!(loaded == original)) ++changed;
  }
  // The damage reached the values, not just the file.
  EXPECT_GT(changed, corpus.size() / 2);
}

TEST(SettingsCorpus, TheWindowStartsFromDamagedFilesAndLeavesARepairedOne) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString path = folder.filePath(QStringLiteral("korvelindra.ini"));
  const std::vector<QByteArray> corpus = damagedVariants(validFile(path, folder.path()));
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  for (std::size_t k = 0; k < corpus.size(); k += 40) {
    SCOPED_TRACE(::testing::Message() << "variant " << k);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(corpus[k]);
    file.close();
    QStringList errors;
    SettingsStore store(path);
    {
      TFVelkora window([&errors](const QString& text) { errors << text; });
      window.settings().use(&store);
      window.show();
      ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
      EXPECT_TRUE(screen.contains(window.geometry())) << k;
      const auto* list = window.findChild<QListWidget*>(QStringLiteral("Listbox1"));
      EXPECT_GE(list->currentRow(), 0);
      EXPECT_LT(list->currentRow(), kSolidCount);
      const Settings shown = window.settings().current();
      EXPECT_TRUE(window.close());
      EXPECT_EQ(store.load(), shown);
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
  }
}

}  // namespace
}  // namespace velkora::test
