#include "translations/language.h"

#include <memory>

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "text/ui_text.h"

namespace velkora {

namespace {

// The build embeds our translations as :/i18n/korvelindra_<code>.qm.
const QString kTranslations = QStringLiteral(":/i18n");

QString ourTranslationFile(const QString& code) {
  return kTranslations + QStringLiteral("/korvelindra_") + code + QStringLiteral(".qm");
}

struct Installed {
  QString code = kGerman;
  std::unique_ptr<QTranslator> ours;
  std::unique_ptr<QTranslator> qts;
};

Installed& installed() {
  static Installed state;
  return state;
}

std::string translatedForCores(const char* context, const char* source) {
  return QCoreApplication::translate(context, source).toStdString();
}

std::unique_ptr<QTranslator> loaded(const QString& file) {
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(file)) return nullptr;
  return translator;
}

}  // namespace

QStringList availableLanguages() {
  QStringList codes{kGerman};
  const QStringList files = QDir(kTranslations).entryList({QStringLiteral("korvelindra_*.qm")});
  for (const QString& file : files) {
    const QString code = file.mid(12, file.size() - 12 - 3);
    if (!code.isEmpty() && !codes.contains(code)) codes << code;
  }
  return codes;
}

std::optional<QString> languageOfCode(const QString& code) {
  const QString folded = code.trimmed().toLower();
  if (availableLanguages().contains(folded)) return folded;
  return std::nullopt;
}

QString languageName(const QString& code) {
  // Each translation says what "Deutsch" is in its own language.
  const char* kOwnName = QT_TRANSLATE_NOOP("Language", "Deutsch");
  if (code == kGerman) return QString::fromUtf8(kOwnName);
  const std::unique_ptr<QTranslator> translator = loaded(ourTranslationFile(code));
  const QString name = translator ? translator->translate("Language", kOwnName) : QString();
  return name.isEmpty() ? code : name;
}

void useLanguage(const QString& code) {
  Installed& state = installed();
  for (auto* translator : {&state.ours, &state.qts}) {
    if (*translator) QCoreApplication::removeTranslator(translator->get());
    translator->reset();
  }
  state.code = code;
  // German is the source: our texts need no translation then, but Qt's own
  // dialogs and key names do.
  const bool german = code == kGerman;
  if (!german) state.ours = loaded(ourTranslationFile(code));
  state.qts = loaded(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                     QStringLiteral("/qtbase_") + code + QStringLiteral(".qm"));
  for (auto* translator : {&state.ours, &state.qts}) {
    if (*translator) QCoreApplication::installTranslator(translator->get());
  }
  setTextTranslator(german ? nullptr : &translatedForCores);
  const QLocale locale(code);
  setDecimalComma(locale.decimalPoint() == QStringLiteral(","));
  QLocale::setDefault(german ? QLocale(QLocale::German, QLocale::Germany) : locale);
}

QString currentLanguage() { return installed().code; }

QString englishText(const char* context, const QString& source) {
  static const std::unique_ptr<QTranslator> english =
      loaded(ourTranslationFile(QStringLiteral("en")));
  if (!english) return source;
  const QString text = english->translate(context, source.toUtf8().constData());
  return text.isEmpty() ? source : text;
}

}  // namespace velkora
