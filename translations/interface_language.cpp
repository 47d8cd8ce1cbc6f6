#include "translations/interface_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace lyrova {
namespace {

QLocale::Language Spoken(const QString& name) {
  const QLocale::Language language = QLocale(name).language();
  return language == QLocale::Russian || language == QLocale::English ? language : QLocale::AnyLanguage;
}

struct Installed {
  std::unique_ptr<QTranslator> program;
  std::unique_ptr<QTranslator> qt;
  QLocale::Language language = QLocale::English;
};

Installed& Current() {
  static Installed installed;
  return installed;
}

void Replace(std::unique_ptr<QTranslator>& slot, std::unique_ptr<QTranslator> next) {
  if (slot) QCoreApplication::removeTranslator(slot.get());
  slot = std::move(next);
  if (slot) QCoreApplication::installTranslator(slot.get());
}

}  // namespace

QLocale::Language ChooseInterfaceLanguage(const QString& stored, const QStringList& desktopLanguages) {
  if (!stored.isEmpty() && Spoken(stored) != QLocale::AnyLanguage) return Spoken(stored);
  for (const QString& name : desktopLanguages) {
    if (Spoken(name) != QLocale::AnyLanguage) return Spoken(name);
  }
  return QLocale::English;
}

void InstallInterfaceLanguage(QLocale::Language language) {
  const QLocale locale(language, language == QLocale::Russian ? QLocale::Russia : QLocale::UnitedStates);
  Installed& installed = Current();
  auto program = std::make_unique<QTranslator>();
  // The build puts both files among the program's resources, so it never misses them.
  if (!program->load(locale, QStringLiteral("lyrova"), QStringLiteral("_"), QStringLiteral(":/i18n"))) program.reset();
  Replace(installed.program, std::move(program));
  // Qt's own buttons and file dialogs (qt6-translations-l10n); English is built in.
  auto qt = std::make_unique<QTranslator>();
  if (language == QLocale::English ||
      !qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    qt.reset();
  Replace(installed.qt, std::move(qt));
  installed.language = language;
  QLocale::setDefault(locale);
}

QLocale::Language InterfaceLanguage() { return Current().language; }

}  // namespace lyrova
