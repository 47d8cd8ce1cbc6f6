// Program entry: the application object, the main window, the message loop.

#include <QApplication>
#include <QLocale>
#include <csignal>
#include <iostream>

#include "app/window/main_window.h"
#include "app/window/qt_user_dialogs.h"
#include "config/config_dialog.h"
#include "config/settings_path.h"
#include "export/freed_memory.h"
#include "program/standard_options.h"
#include "program/version.h"
#include "resources/catalog/built_in_catalog.h"
#include "translations/interface_language.h"

namespace {

constexpr char kUsage[] =
    "usage: lyrova [--help] [--version]\n"
    "Starts the karaoke player. It asks for the disc folder at its first start and\n"
    "keeps its settings in $XDG_CONFIG_HOME/lyrova/lyrova.ini; the link \"Help\" in\n"
    "its window opens the help page. It speaks the desktop's language (Russian or\n"
    "English) unless [Interface] Language in the settings names one.\n";

}  // namespace

int main(int argc, char* argv[]) {
  // Answered before the window system is needed, so they work on a console.
  if (lyrova::AnswerStandardOption({argv + 1, argv + argc}, "lyrova", kUsage, std::cout)) return 0;
  // A file-size limit then fails the write, which is reported, instead of ending the program.
  std::signal(SIGXFSZ, SIG_IGN);
  lyrova::KeepFreedMemoryReturnable();
  QApplication app(argc, argv);
  // Before any window exists: a language chosen in the configuration dialog
  // applies from the next start.
  const std::string settingsPath = lyrova::SettingsFilePath();
  lyrova::InstallInterfaceLanguage(lyrova::ChooseInterfaceLanguage(
      QString::fromStdString(lyrova::TSettingsFile(settingsPath, lyrova::ProgramFolder()).Language()),
      QLocale::system().uiLanguages()));
  QApplication::setApplicationName(QString::fromUtf8(lyrova::ProgramTitle()));
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
