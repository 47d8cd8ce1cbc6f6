// The program's own help page in the program's own window: the page's
// pictures are there, its contents lead to its sections, and it explains the
// controls the windows show. With LYROVA_SCREENSHOT_DIR set it saves the window.

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextDocument>

#include "app/widgets/desktop_shell.h"
#include "app/widgets/help_window.h"

namespace lyrova {

namespace {

QString PageText() {
  QFile page(QStringLiteral(HELP_PAGE));
  if (!page.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(page.readAll());
}

QStringList Matches(const QString& text, const QString& pattern) {
  QStringList found;
  for (const auto& m : QRegularExpression(pattern).globalMatch(text)) found << m.captured(1);
  return found;
}

}  // namespace

class HelpWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void picturesOfThePageAreThere() {
    THelpWindow window;
    window.ShowPage(QStringLiteral(HELP_PAGE));
    QCOMPARE(window.windowTitle(), QStringLiteral("Lyrova — помощь"));
    const QStringList pictures = Matches(PageText(), QStringLiteral("<img src=\"([^\"]+)\""));
    QVERIFY(pictures.size() >= 4);
    for (const QString& picture : pictures) {
      const QVariant image = window.document()->resource(QTextDocument::ImageResource, QUrl(picture));
      QVERIFY2(image.isValid() && !image.value<QImage>().isNull(), qPrintable(picture));
    }
  }

  void everyContentsEntryLeadsToASection() {
    const QString text = PageText();
    const QStringList targets = Matches(text, QStringLiteral("<a href=\"#([^\"]+)\""));
    const QStringList ids = Matches(text, QStringLiteral(" id=\"([^\"]+)\""));
    QVERIFY(targets.size() >= 8);
    for (const QString& target : targets) QVERIFY2(ids.contains(target), qPrintable(target));
  }

  // The texts the windows show, each of which the page must explain.
  void everyControlIsExplained() {
    const QString text = PageText();
    const char* controls[] = {
        "Помощь", "Домашняя страница", "Сообщить об ошибке", "Код", "Название", "Исполнитель", "Музыка",
        "Слова", "Зелёная стрелка", "Красный крестик", "Синяя круговая стрелка", "Темп", "Тон",
        "Громк.", "Pause", "Save", "Load", "Поиск:", "где ищем?", "Автор музыки", "Автор слов",
        "В текстах песен (долго!)", "Stop", "Молния", "Video", "Путь к файлам Ostrel:", "Песни:",
        "Файл видео:", "Шрифт:", "Размер:", "Цвет 1", "Цвет 2", "Тень", "Количество строк:",
        "Путь к файлу *.SF2", "Порт MIDI:", "Сдвиг текста, мс", "Ok", "Отмена", "Демо-диск", "F11", "F12",
        "Esc", "Delete", "Ctrl</kbd>+<kbd>N", "Ctrl</kbd>+<kbd>F"};
    for (const char* control : controls)
      QVERIFY2(text.contains(QString::fromUtf8(control)), control);
  }

  void shellShowsOnePageWindowBroughtForward() {
    TDesktopShell shell;
    shell.ShowPage(QStringLiteral(HELP_PAGE));
    THelpWindow* first = shell.HelpWindow();
    QVERIFY(first && first->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(first));
    first->verticalScrollBar()->setValue(first->verticalScrollBar()->maximum());
    shell.ShowPage(QStringLiteral(HELP_PAGE));
    QCOMPARE(shell.HelpWindow(), first);
    QCOMPARE(first->verticalScrollBar()->value(), 0);  // from its top again

    const QByteArray dir = qgetenv("LYROVA_SCREENSHOT_DIR");
    if (!dir.isEmpty()) QVERIFY(first->grab().save(QDir(QString::fromLocal8Bit(dir)).filePath("help-page.png")));
    first->close();  // deletes itself
    QTRY_VERIFY(!shell.HelpWindow());
  }
};

}  // namespace lyrova

QTEST_MAIN(lyrova::HelpWindowTest)
#include "help_window_test.moc"
