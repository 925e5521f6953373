// The translation files against the sources: every text marked in the code
// has a finished translation that keeps the source's placeholders. The
// sources are read afresh by lupdate into copies of the files, so a text
// added without its translation fails here.

#include <gtest/gtest.h>

#include <set>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace velkora::test {
namespace {

struct Entry {
  QString context;
  QString source;
  QString translation;
  bool finished = false;
};

std::vector<Entry> entriesOf(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  std::vector<Entry> entries;
  QXmlStreamReader xml(&file);
  QString context;
  Entry entry;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == QLatin1String("name")) {
      context = xml.readElementText();
    } else if (xml.name() == QLatin1String("message")) {
      entry = Entry{context, {}, {}, false};
    } else if (xml.name() == QLatin1String("source")) {
      entry.source = xml.readElementText();
    } else if (xml.name() == QLatin1String("translation")) {
      entry.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
      entry.translation = xml.readElementText();
      entries.push_back(entry);
    }
  }
  EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
  return entries;
}

std::multiset<QString> placeholders(const QString& text) {
  std::multiset<QString> found;
  static const QRegularExpression kPlaceholder(QStringLiteral("%\\d+"));
  for (const auto& match : kPlaceholder.globalMatch(text))
    found.insert(match.captured());
  return found;
}

TEST(TranslationFiles, EveryMarkedTextIsTranslatedWithItsPlaceholders) {
  const QDir sources(QStringLiteral(VELKORA_SOURCE_DIR));
  const QStringList files = QDir(sources.filePath(QStringLiteral("translations")))
                                .entryList({QStringLiteral("*.ts")}, QDir::Files);
  ASSERT_FALSE(files.isEmpty()) << "no translation files";
  QTemporaryDir copies;
  for (const QString& name : files) {
    const QString copy = copies.filePath(name);
    ASSERT_TRUE(QFile::copy(sources.filePath(QStringLiteral("translations/") + name), copy));
    const std::size_t before = entriesOf(copy).size();

    QProcess lupdate;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VELKORA_TS_FILES"), copy);
    environment.insert(QStringLiteral("LUPDATE"), QStringLiteral(VELKORA_LUPDATE));
    lupdate.setProcessEnvironment(environment);
    lupdate.start(sources.filePath(QStringLiteral("scripts/update-translations")), {});
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    const std::vector<Entry> entries = entriesOf(copy);
    EXPECT_EQ(entries.size(), before)
        << name.toStdString() << " holds texts the sources no longer mark, or misses new ones";
    EXPECT_GT(entries.size(), 200u);
    for (const Entry& entry : entries) {
      const std::string where = name.toStdString() + ", " + entry.context.toStdString() + ": \"" +
                                entry.source.left(60).toStdString() + "\"";
      EXPECT_TRUE(entry.finished && !entry.translation.isEmpty()) << where << " is not translated";
      EXPECT_EQ(placeholders(entry.translation), placeholders(entry.source))
          << where << " loses or adds a placeholder";
    }
  }
}

}  // namespace
}  // namespace velkora::test
