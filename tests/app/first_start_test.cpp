// The first start of an installed program: the demo disc installed beside it
// is offered, a folder without a disc is answered with a line saying so, and
// cancelling still leads to the give-up question.

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTest>

#include "app/window/disc_folder_dialog.h"

#include "app/window/song_view.h"
#include "resources/catalog/built_in_catalog.h"
#include "tests/app/test_world.h"

namespace lyrova::test {

namespace {

const QString kGiveUp =
    QString::fromUtf8("Файлы необходимые для работы приложения не найдены! Завершить программу?");

// Where an installed program's demo disc lies, seen from its bin folder.
QString InstalledDemoDir(const TTestWorld& world) {
  return QDir::cleanPath(world.ProgramDir() + "/../share/lyrova/demo");
}

// The demo disc the build wrote, linked into the installed place (the song
// image is large, if sparse).
void InstallDemoDisc(const TTestWorld& world) {
  const QString to = InstalledDemoDir(world);
  QVERIFY(QDir().mkpath(to));
  for (const char* name : {"rmidi.img", "rmidi_of.img", "rmoving.img"})
    QVERIFY(QFile::link(QStringLiteral(DEMO_DISC_DIR "/") + name, to + "/" + name));
}

QString NoDiscNotice(const QString& folder) {
  return QString::fromUtf8("В папке %1 нет файла rmidi.img.").arg(folder);
}

// With LYROVA_SCREENSHOT_DIR set: the question as the user sees it over the
// main window, the test's program folder shown as an installed one's.
void SaveQuestionShot(QWidget* form, const TTestWorld& world, const QString& prompt, const QString& start,
                      const QString& notice, const QString& demo) {
  const QByteArray dir = qgetenv("LYROVA_SCREENSHOT_DIR");
  if (dir.isEmpty()) return;
  const auto shown = [&](QString text) { return text.replace(world.ProgramDir(), QStringLiteral("/usr/bin")); };
  TDiscFolderDialog question(prompt, shown(start), shown(notice), demo, form);
  question.show();
  question.move(form->geometry().center() - question.rect().center());
  QTest::qWait(50);
  QImage shot = form->grab().toImage();
  {
    QPainter painter(&shot);
    painter.drawImage(form->mapFromGlobal(question.geometry().topLeft()), question.grab().toImage());
  }
  QVERIFY(shot.save(QDir(QString::fromLocal8Bit(dir)).filePath("first-start-question.png")));
}

}  // namespace

class FirstStartTest : public QObject {
  Q_OBJECT

 private slots:
  void installedProgramOffersTheDemoDiscAndTheFilmChooserStartsThere();
  void folderWithoutADiscIsNamedBeforeTheQuestionReturns();
  void cancellingWithTheDemoAtHandStillAsksWhetherToEnd();
  void withoutAnInstalledDemoNoDemoIsOffered();
};

void FirstStartTest::installedProgramOffersTheDemoDiscAndTheFilmChooserStartsThere() {
  TTestWorld world;
  InstallDemoDisc(world);
  const QString demo = InstalledDemoDir(world) + "/";
  TScriptedDialogs dialogs;
  dialogs.folders.push_back(demo);  // the demo button's answer
  dialogs.openFiles.push_back(demo + "rmoving.img");
  auto form = world.MakeForm(dialogs, BuiltInCatalog());
  dialogs.folderAsked = [&](const QString& prompt, const QString& start, const QString& notice, const QString& demo) {
    SaveQuestionShot(form.get(), world, prompt, start, notice, demo);
  };
  QVERIFY(TTestWorld::Start(*form));

  QCOMPARE(dialogs.demoFolders, QStringList{demo});
  // The program's own folder was looked in first, and the user is told so.
  QCOMPARE(dialogs.folderNotices, QStringList{NoDiscNotice(world.ProgramDir() + "/")});
  QCOMPARE(world.ReadSetting("Paths", "rMidiPath"), QFile::encodeName(demo).toStdString());
  QVERIFY(form->Session().SongsCatalog().Count() > 0);
  QCOMPARE(form->ListView1()->RowCount(), form->Session().SongsCatalog().Count());
  // No film was set yet: the chooser opens where the disc's own film lies.
  QVERIFY(QTest::qWaitFor([&] { return !dialogs.openFolders.isEmpty(); }, 5000));
  QCOMPARE(dialogs.openFolders.first(), demo);
  QVERIFY(QTest::qWaitFor([&] { return world.HasSetting("Paths", "VideoFile"); }, 5000));
  QCOMPARE(world.ReadSetting("Paths", "VideoFile"), QFile::encodeName(demo + "rmoving.img").toStdString());
  QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.join('|')));
  form->close();
}

void FirstStartTest::folderWithoutADiscIsNamedBeforeTheQuestionReturns() {
  TTestWorld world;
  InstallDemoDisc(world);
  const QString demo = InstalledDemoDir(world) + "/";
  world.WriteSetting("Paths", "VideoFile", QFile::encodeName(demo + "rmoving.img").toStdString());
  TScriptedDialogs dialogs;
  dialogs.folders = {world.DiscDir(), demo};  // an empty folder, then the demo
  auto form = world.MakeForm(dialogs, BuiltInCatalog());
  QVERIFY(TTestWorld::Start(*form));

  QCOMPARE(dialogs.folderNotices.size(), 2);
  QCOMPARE(dialogs.folderNotices[1], NoDiscNotice(world.DiscDir() + "/"));
  QCOMPARE(dialogs.demoFolders, QStringList({demo, demo}));
  QVERIFY(dialogs.questions.isEmpty());  // a folder was chosen both times
  QCOMPARE(world.ReadSetting("Paths", "rMidiPath"), QFile::encodeName(demo).toStdString());
  form->close();
}

void FirstStartTest::cancellingWithTheDemoAtHandStillAsksWhetherToEnd() {
  TTestWorld world;
  InstallDemoDisc(world);
  TScriptedDialogs dialogs;
  dialogs.confirms = {false, true};  // No: ask again; then Yes
  auto form = world.MakeForm(dialogs, BuiltInCatalog());
  bool ended = false;
  QVERIFY(!TTestWorld::Start(*form, &ended));
  QVERIFY(ended);
  QCOMPARE(dialogs.demoFolders.size(), 2);
  QCOMPARE(dialogs.questions, QStringList({kGiveUp, kGiveUp}));
  QVERIFY(!world.HasSetting("Paths", "rMidiPath"));
}

void FirstStartTest::withoutAnInstalledDemoNoDemoIsOffered() {
  TTestWorld world;
  TScriptedDialogs dialogs;
  dialogs.confirms = {true};
  auto form = world.MakeForm(dialogs, BuiltInCatalog());
  QVERIFY(!TTestWorld::Start(*form));
  QCOMPARE(dialogs.demoFolders, QStringList{QString()});
}

}  // namespace lyrova::test

QTEST_MAIN(lyrova::test::FirstStartTest)
#include "first_start_test.moc"
