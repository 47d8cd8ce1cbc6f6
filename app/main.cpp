// Program entry: the application object, the main window, the message loop.

#include <QApplication>

#include "app/window/main_window.h"
#include "app/window/qt_user_dialogs.h"
#include "config/config_dialog.h"
#include "config/settings_path.h"
#include "resources/catalog/built_in_catalog.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
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
