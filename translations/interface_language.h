#pragma once
// The language the interface speaks, and the translators that make it so.
//
// Every text a user reads is written in English in the code, through tr(),
// QCoreApplication::translate, QT_TR_NOOP / QT_TRANSLATE_NOOP, or, below Qt,
// a UserText (catalog/user_text.h). lyrova_ru.ts and lyrova_en.ts beside this
// file hold its wording in each language; the build turns them into the
// resources this installs.

#include <QLocale>
#include <QString>
#include <QStringList>

namespace lyrova {

// The settings' stored choice: "" follows the desktop, "ru" and "en" name a language.
inline constexpr char kSystemLanguage[] = "";
inline constexpr char kRussianLanguage[] = "ru";
inline constexpr char kEnglishLanguage[] = "en";

// The stored choice when it names a language the program speaks, else the
// first of the desktop's languages (QLocale::uiLanguages order) that it
// speaks, else English.
QLocale::Language ChooseInterfaceLanguage(const QString& stored, const QStringList& desktopLanguages);

// Installs the program's and Qt's own translators for `language`, replacing
// those of an earlier call, and makes it the default locale. Needs the
// application object.
void InstallInterfaceLanguage(QLocale::Language language);

// The language last installed (English before any).
QLocale::Language InterfaceLanguage();

}  // namespace lyrova
