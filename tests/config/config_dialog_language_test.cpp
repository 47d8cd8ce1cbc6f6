// The configuration dialog in either language, and the language it stores
// for the next start.

#include <QComboBox>
#include <QPushButton>
#include <QtTest>

#include "config/config_dialog.h"
#include "config/config_dialogs.h"
#include "tests/support/temp_dir.h"
#include "tests/support/widget_texts.h"
#include "translations/interface_language.h"

namespace lyrova {
namespace {

class SilentDialogs : public TConfigDialogs {
 public:
  std::optional<QString> ChooseFolder(const QString&) override { return {}; }
  std::optional<QString> ChooseFile(const QString&, const QString&, const QString&) override { return {}; }
  std::optional<QFont> ChooseFont(const QFont&) override { return {}; }
  std::optional<QColor> ChooseColour(const QColor&) override { return {}; }
  void ShowMessage(const QString& text) override { messages << text; }
  QStringList messages;
};

}  // namespace

class ConfigDialogLanguageTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { InstallInterfaceLanguage(QLocale::English); }

  void SpeaksEnglishThroughoutInEnglish() {
    InstallInterfaceLanguage(QLocale::English);
    SettingsValues values;
    TForm2 form(TSettingsFile(dir_.File("lyrova.ini"), "/opt/"), values, &dialogs_);
    form.show();
    QCOMPARE(testing::CyrillicTexts(&form, {QStringLiteral("Русский")}), QStringList());
    QCOMPARE(form.windowTitle(), QStringLiteral("Configuration"));
  }

  void KeepsTheRussianTextsInRussian() {
    InstallInterfaceLanguage(QLocale::Russian);
    SettingsValues values;
    TForm2 form(TSettingsFile(dir_.File("lyrova.ini"), "/opt/"), values, &dialogs_);
    form.show();
    const QStringList texts = testing::WidgetTexts(&form);
    for (const char* text : {"Конфигурация", "Отмена", "Ok", " Общие ", "Путь к файлам Ostrel:", "Файл видео:",
                             "Шрифт:", "Размер:", "Цвет 1", "Цвет 2", "Тень", "Количество строк:", " Sound ",
                             "Порт MIDI:", "Как в системе", "English"})
      QVERIFY2(texts.contains(QString::fromUtf8(text)), text);
  }

  // Stored on Ok, read at the next start; the restart note comes at once.
  void StoresTheChosenLanguageForTheNextStart() {
    SettingsValues values;
    const std::string ini = dir_.File("lyrova.ini");
    TForm2 form(TSettingsFile(ini, "/opt/"), values, &dialogs_);
    form.show();
    QCOMPARE(form.Language()->currentIndex(), 0);
    form.Language()->setCurrentIndex(form.Language()->findText(QStringLiteral("Русский")));
    emit form.Language()->activated(form.Language()->currentIndex());
    QCOMPARE(dialogs_.messages.size(), 1);
    form.OkButton()->click();
    QCOMPARE(TSettingsFile(ini, "/opt/").Language(), std::string("ru"));

    form.show();
    QCOMPARE(form.Language()->currentText(), QStringLiteral("Русский"));
    form.Language()->setCurrentIndex(0);
    form.OkButton()->click();
    QCOMPARE(TSettingsFile(ini, "/opt/").Language(), std::string());
  }

 private:
  testing::TempDir dir_;
  SilentDialogs dialogs_;
};

}  // namespace lyrova

QTEST_MAIN(lyrova::ConfigDialogLanguageTest)
#include "config_dialog_language_test.moc"
