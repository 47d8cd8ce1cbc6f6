// Program entry: the application object, the main window, the message loop.

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <csignal>
#include <iostream>

#include "app/window/main_window.h"
#include "app/window/qt_user_dialogs.h"
#include "config/config_dialog.h"
#include "config/settings_path.h"
#include "resources/catalog/built_in_catalog.h"
#include "tools/cli/standard_options.h"

namespace {

constexpr char kUsage[] =
    "usage: lyrova [--help] [--version]\n"
    "Starts the karaoke player. It asks for the disc folder at its first start and\n"
    "keeps its settings in $XDG_CONFIG_HOME/lyrova/lyrova.ini; the link \"Помощь\"\n"
    "in its window opens the help page.\n";

}  // namespace

int main(int argc, char* argv[]) {
  // Answered before the window system is needed, so they work on a console.
  if (lyrova::AnswerStandardOption({argv + 1, argv + argc}, "lyrova", kUsage, std::cout)) return 0;
  // A file-size limit then fails the write, which is reported, instead of ending the program.
  std::signal(SIGXFSZ, SIG_IGN);
  QApplication app(argc, argv);
  // Qt's own buttons and file dialogs speak the program's language (qt6-translations-l10n).
  QTranslator qtTexts;
  if (qtTexts.load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTexts);
  QApplication::setApplicationName(QStringLiteral("Lyrova v1.57 (public beta)"));
  QApplication::setQuitOnLastWindowClosed(false);

  lyrova::TQtUserDialogs dialogs;
  lyrova::TForm1Setup setup;
  setup.dialogs = &dialogs;
  setup.programPath = lyrova::ProgramFilePath();
  setup.catalog = lyrova::BuiltInCatalog();
  lyrova::TForm1 form(setup);
  lyrova::TForm2 config(lyrova::TSettingsFile(form.SettingsPath(), lyrova::ProgramFolder()), lyrova::Settings(),
                        nullptr, &form);
  form.SetConfigDialog(&config);
  dialogs.SetParent(&form);
  QObject::connect(&form, &lyrova::TForm1::programEnded, &app, &QCoreApplication::quit, Qt::QueuedConnection);
  form.show();
  return app.exec();
}
