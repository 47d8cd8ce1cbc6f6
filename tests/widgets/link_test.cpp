// The links along the top of the main window: their colours under and away
// from the pointer, read from the pixels, and what each one opens.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrlQuery>

#include "app/widgets/desktop_shell.h"
#include "app/widgets/link_actions.h"
#include "app/widgets/link_label.h"
#include "app/widgets/link_strip.h"
#include "tests/support/widget_texts.h"
#include "translations/interface_language.h"

namespace lyrova {
namespace {

// Records what it was asked to open; `opens` says whether the desktop had a
// program for it.
struct RecordingShell : TShell {
  bool opens = true;
  QStringList files;
  QList<QUrl> urls;
  QStringList pages;
  QStringList messages;
  void OpenFile(const QString& path, std::function<void()> notOpened) override {
    files << path;
    if (!opens) notOpened();
  }
  void OpenUrl(const QUrl& url, std::function<void()> notOpened) override {
    urls << url;
    if (!opens) notOpened();
  }
  void ShowPage(const QString& path) override { pages << path; }
  void ShowMessage(const QString& text) override { messages << text; }
};

// The program's own help page where the program in `programDir` looks for it.
QString WriteHelpPage(const QString& programDir) {
  const QString folder = programDir + QStringLiteral("/../share/lyrova/help");
  QDir().mkpath(folder);
  QFile page(folder + QStringLiteral("/index.html"));
  page.open(QIODevice::WriteOnly);
  page.write("<html><head><title>help</title></head><body>help</body></html>");
  return QDir::cleanPath(page.fileName());
}

// Whether the label's text is drawn in exactly that colour somewhere (the
// underline and the upright strokes are fully covered pixels).
bool Draws(QWidget* label, const QColor& color) {
  const QImage image = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) == color.rgb()) return true;
  return false;
}

const QColor kDarkBlue(0, 0, 160);
const QColor kBlue(0, 0, 255);
// The version the build gives the package, as the window's title shows it.
const QString kSubject = QStringLiteral("\"Lyrova " LYROVA_PROJECT_VERSION " Сообщение об ошибке\"");

}  // namespace

class LinkTest : public QObject {
  Q_OBJECT

 private:
  RecordingShell shell_;
  QTemporaryDir programDir_;
  std::unique_ptr<TLinkStrip> strip_;

  QWindow* Window() const { return strip_->windowHandle(); }
  static QPoint CentreOf(QWidget* w) { return w->geometry().center(); }

 private slots:
  void init() {
    shell_ = RecordingShell();
    strip_ = std::make_unique<TLinkStrip>(shell_, programDir_.path());
    strip_->resize(500, TLinkStrip::kHeight);
    strip_->show();
    QVERIFY(QTest::qWaitForWindowExposed(strip_.get()));
  }

  void cleanup() { strip_.reset(); }

  void linksSitRightAlignedInOrder() {
    TLinkLabel* links[] = {strip_->HelpLink(), strip_->HomePageLink(), strip_->ErrorReportLink()};
    QCOMPARE(links[0]->text(), QStringLiteral("Помощь"));
    QCOMPARE(links[1]->text(), QStringLiteral("Домашняя страница"));
    QCOMPARE(links[2]->text(), QStringLiteral("Сообщить об ошибке"));
    QCOMPARE(links[1]->x() - links[0]->geometry().right() - 1, 15);
    QCOMPARE(links[2]->x() - links[1]->geometry().right() - 1, 15);
    QCOMPARE(strip_->width() - links[2]->geometry().right() - 1, 15);
    for (TLinkLabel* link : links) {
      QVERIFY(link->font().underline());
      QCOMPARE(link->cursor().shape(), Qt::ArrowCursor);
    }
  }

  void dark_blue_at_rest_blue_under_the_pointer() {
    TLinkLabel* help = strip_->HelpLink();
    QVERIFY(Draws(help, kDarkBlue));
    QVERIFY(!Draws(help, kBlue));
    QTest::mouseMove(Window(), CentreOf(help));
    QVERIFY(Draws(help, kBlue));
    QVERIFY(!Draws(help, kDarkBlue));
    QTest::mouseMove(Window(), QPoint(2, 2));
    QVERIFY(Draws(help, kDarkBlue));
    QVERIFY(!Draws(help, kBlue));
  }

  void hoverFromOneLinkStraightOntoAnother() {
    TLinkLabel* first = strip_->HomePageLink();
    TLinkLabel* second = strip_->ErrorReportLink();
    QTest::mouseMove(Window(), CentreOf(first));
    QTest::mouseMove(Window(), CentreOf(second));
    QVERIFY(Draws(first, kDarkBlue));
    QVERIFY(!Draws(first, kBlue));
    QVERIFY(Draws(second, kBlue));
    QVERIFY(Draws(strip_->HelpLink(), kDarkBlue));
  }

  void missingHelpFileNamesTheFullPath() {
    QTest::mouseClick(Window(), Qt::LeftButton, {}, CentreOf(strip_->HelpLink()));
    const QString path = QDir::toNativeSeparators(programDir_.path() + QStringLiteral("/help.chm"));
    QCOMPARE(shell_.messages, QStringList{QStringLiteral("Отсутствует файл ") + path});
    QVERIFY(shell_.files.isEmpty());
  }

  void presentHelpFileIsOpened() {
    QFile help(programDir_.filePath(QStringLiteral("help.chm")));
    QVERIFY(help.open(QIODevice::WriteOnly));
    help.close();
    QTest::mouseClick(Window(), Qt::LeftButton, {}, CentreOf(strip_->HelpLink()));
    QVERIFY(shell_.messages.isEmpty());
    QCOMPARE(shell_.files, QStringList{QDir::toNativeSeparators(help.fileName())});
    QVERIFY(help.remove());
  }

  // Without help.chm the program's own page opens in the browser, or in the
  // program's own window when no browser starts.
  void helpPageOpensInTheBrowserOrInAWindowOfOurOwn_data() {
    QTest::addColumn<bool>("browser");
    QTest::newRow("browser") << true;
    QTest::newRow("no browser") << false;
  }

  void helpPageOpensInTheBrowserOrInAWindowOfOurOwn() {
    QFETCH(bool, browser);
    QTemporaryDir root;
    const QString programDir = root.filePath(QStringLiteral("bin"));
    const QString page = WriteHelpPage(programDir);
    RecordingShell shell;
    shell.opens = browser;
    TLinkActions(shell, programDir).OpenHelp();
    QCOMPARE(shell.files, QStringList{page});
    QCOMPARE(shell.pages, browser ? QStringList() : QStringList{page});
    QVERIFY(shell.messages.isEmpty());
  }

  // A help.chm no program reads gives way to the page; with no page either,
  // the message says the file could not be opened, not that it is missing.
  void unreadableHelpFileGivesWayToThePage() {
    QTemporaryDir root;
    const QString programDir = root.filePath(QStringLiteral("bin"));
    QDir().mkpath(programDir);
    QFile chm(programDir + QStringLiteral("/help.chm"));
    QVERIFY(chm.open(QIODevice::WriteOnly));
    chm.close();
    RecordingShell shell;
    shell.opens = false;
    TLinkActions(shell, programDir).OpenHelp();
    QCOMPARE(shell.messages.size(), 1);
    QVERIFY(shell.messages.first().startsWith(QStringLiteral("Не удалось открыть файл ")));
    QVERIFY(shell.pages.isEmpty());

    const QString page = WriteHelpPage(programDir);
    shell = RecordingShell();
    shell.opens = false;
    TLinkActions(shell, programDir).OpenHelp();
    QCOMPARE(shell.files, QStringList({QDir::toNativeSeparators(chm.fileName()), page}));
    QCOMPARE(shell.pages, QStringList{page});
    QVERIFY(shell.messages.isEmpty());
  }

  // With neither a browser nor a mail program the user is told, with the
  // address to use by hand.
  void linksSayWhenNothingOpensThem() {
    RecordingShell shell;
    shell.opens = false;
    TLinkActions actions(shell, programDir_.path());
    actions.OpenHomePage();
    actions.ReportError();
    QCOMPARE(shell.urls.size(), 2);
    QCOMPARE(shell.messages.size(), 2);
    QVERIFY2(shell.messages[0].contains(QLatin1String(kHomePageUrl)), qPrintable(shell.messages[0]));
    QVERIFY2(shell.messages[1].contains(QLatin1String(kBugReportAddress)) &&
                 shell.messages[1].contains(kSubject.mid(1, kSubject.size() - 2)),
             qPrintable(shell.messages[1]));
  }

  // In English the links and every message they may give hold no Russian word.
  void speakEnglishInEnglish() {
    InstallInterfaceLanguage(QLocale::English);
    TLinkStrip strip(shell_, programDir_.path());
    QCOMPARE(testing::CyrillicTexts(&strip), QStringList());
    RecordingShell shell;
    shell.opens = false;
    TLinkActions actions(shell, programDir_.path());
    actions.OpenHelp();
    actions.OpenHomePage();
    actions.ReportError();
    InstallInterfaceLanguage(QLocale::Russian);
    QCOMPARE(shell.messages.size(), 3);
    for (const QString& message : shell.messages) QVERIFY2(!testing::HasCyrillic(message), qPrintable(message));
  }

  // Whether or not the folder ends in a separator, one joins it to the name.
  void helpPathHasOneSeparator_data() {
    QTest::addColumn<QString>("folder");
    QTest::newRow("bare") << QStringLiteral("/opt/lyrova");
    QTest::newRow("trailing separator") << QStringLiteral("/opt/lyrova/");
  }

  void helpPathHasOneSeparator() {
    QFETCH(QString, folder);
    RecordingShell shell;
    TLinkActions(shell, folder).OpenHelp();
    QCOMPARE(shell.messages,
             QStringList{QStringLiteral("Отсутствует файл ") +
                         QDir::toNativeSeparators(QStringLiteral("/opt/lyrova/help.chm"))});
  }

  void homePageLinkOpensTheHomePage() {
    QTest::mouseClick(Window(), Qt::LeftButton, {}, CentreOf(strip_->HomePageLink()));
    QCOMPARE(shell_.urls, QList<QUrl>{QUrl(QStringLiteral("https://lyrova.org/"))});
    QVERIFY(shell_.messages.isEmpty());
    QCOMPARE(shell_.urls.front().host(), QLatin1String(kHomePageHost));
  }

  void errorReportLinkWritesAMail() {
    QTest::mouseClick(Window(), Qt::LeftButton, {}, CentreOf(strip_->ErrorReportLink()));
    QCOMPARE(shell_.urls.size(), 1);
    const QUrl mail = shell_.urls.front();
    QCOMPARE(mail.scheme(), QStringLiteral("mailto"));
    QCOMPARE(mail.path(), QStringLiteral("bugs@lyrova.org"));
    QCOMPARE(QUrlQuery(mail).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
             kSubject);
    QCOMPARE(QUrl::fromPercentEncoding(mail.toEncoded()),
             QStringLiteral("mailto:bugs@lyrova.org?subject=") + kSubject);
    // What the desktop receives carries no raw blanks or quotes to split it.
    const QByteArray sent = mail.toEncoded();
    QVERIFY(!sent.contains(' '));
    QVERIFY(!sent.contains('"'));
  }

  // Pressing on a link and letting go elsewhere opens nothing.
  void releaseOffTheLinkOpensNothing() {
    QTest::mousePress(Window(), Qt::LeftButton, {}, CentreOf(strip_->HomePageLink()));
    QTest::mouseRelease(Window(), Qt::LeftButton, {}, QPoint(2, 2));
    QVERIFY(shell_.urls.isEmpty());
  }

  // The desktop shell takes xdg-open's exit status as its answer: xdg-open
  // ends at once with 3 when no browser or mail program is set up. Here a
  // stand-in xdg-open, first on the path, answers.
  void desktopShellTakesXdgOpensAnswer_data() {
    QTest::addColumn<int>("status");
    QTest::newRow("opened") << 0;
    QTest::newRow("no program for it") << 3;
    QTest::newRow("the program failed") << 4;
  }

  void desktopShellTakesXdgOpensAnswer() {
    QFETCH(int, status);
    QTemporaryDir bin;
    QFile script(bin.filePath(QStringLiteral("xdg-open")));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\necho \"$1\" > \"%1\"\nexit %2\n")
                     .arg(bin.filePath(QStringLiteral("asked")))
                     .arg(status)
                     .toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()) + ':' + path);
    int notOpened = 0;
    TDesktopShell shell;
    shell.OpenUrl(QUrl(QLatin1String(kHomePageUrl)), [&] { ++notOpened; });
    qputenv("PATH", path);
    if (status == 0) {
      QTRY_VERIFY(QFile::exists(bin.filePath(QStringLiteral("asked"))));
      QTest::qWait(300);  // time for a wrong answer to arrive
    }
    QTRY_COMPARE(notOpened, status == 0 ? 0 : 1);
    QFile asked(bin.filePath(QStringLiteral("asked")));
    QVERIFY(asked.open(QIODevice::ReadOnly));
    QCOMPARE(asked.readAll().trimmed(), QByteArray(kHomePageUrl));
  }

  void rightClickOpensNothing() {
    QTest::mouseClick(Window(), Qt::RightButton, {}, CentreOf(strip_->HomePageLink()));
    QVERIFY(shell_.urls.isEmpty());
  }
};

}  // namespace lyrova

QTEST_MAIN(lyrova::LinkTest)
#include "link_test.moc"
