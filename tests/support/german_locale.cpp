#include "tests/support/german_locale.h"

#include <clocale>

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

namespace velkora::test {

namespace {

bool systemHasGermanLocale() {
  const char* before = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = before ? before : "C";
  const bool found = std::setlocale(LC_NUMERIC, kGermanLocale) != nullptr;
  std::setlocale(LC_NUMERIC, saved.c_str());
  return found;
}

}  // namespace

QString germanLocalePath(QString* error) {
  static const QString generated = QStringLiteral(VELKORA_TEST_LOCALE_DIR);
  if (QDir(generated).exists(QString::fromLatin1(kGermanLocale))) return generated;
  if (systemHasGermanLocale()) return {};
  // Compiled into a folder of this process's own and then renamed into
  // place, so that tests running side by side never see half a locale.
  const QString own =
      generated + QStringLiteral("/building-%1").arg(QCoreApplication::applicationPid());
  QDir().mkpath(own);
  QProcess localedef;
  localedef.start(
      QStringLiteral("localedef"),
      {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"), QStringLiteral("UTF-8"),
       own + QLatin1Char('/') + QString::fromLatin1(kGermanLocale)});
  const bool ran = localedef.waitForFinished(120000);
  QDir().rename(own + QLatin1Char('/') + QString::fromLatin1(kGermanLocale),
                generated + QLatin1Char('/') + QString::fromLatin1(kGermanLocale));
  QDir(own).removeRecursively();
  if (ran && QDir(generated).exists(QString::fromLatin1(kGermanLocale))) return generated;
  *error = QStringLiteral(
               "no German locale: localedef -i de_DE -f UTF-8 failed (%1); the "
               "Debian package locales provides its sources")
               .arg(QString::fromLocal8Bit(localedef.readAllStandardError()));
  return {};
}

bool addGermanLocale(QProcessEnvironment& env, QString* error) {
  QString problem;
  const QString path = germanLocalePath(&problem);
  if (!problem.isEmpty()) {
    *error = problem;
    return false;
  }
  if (!path.isEmpty()) env.insert(QStringLiteral("LOCPATH"), path);
  env.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(kGermanLocale));
  env.insert(QStringLiteral("LANG"), QString::fromLatin1(kGermanLocale));
  return true;
}

}  // namespace velkora::test
