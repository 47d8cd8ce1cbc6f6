// Start-up of the main window: finding and checking the song image, the
// folder prompts, giving up, and the settings a first run leaves behind.

#include <QDir>
#include <QSignalSpy>
#include <QTest>

#include "app/window/song_view.h"
#include "tests/app/test_catalog.h"
#include "tests/app/test_world.h"
#include "tests/catalog/disc_maker.h"
#include "video/video_form.h"

namespace lyrova::test {

namespace {

const QString kBadImage = QStringLiteral("Invalid or unknown version rmidi.img");
const QString kFolderPrompt = QString::fromUtf8(
    "Укажите путь к файлам с диска Караоке (версия 3)\r\nили выберите Отмена чтобы завершить программу.");
const QString kGiveUp =
    QString::fromUtf8("Файлы необходимые для работы приложения не найдены! Завершить программу?");

const TTestCatalog& Songs() {
  static const TTestCatalog songs({{1, "Первая", "Автор слов", "Композитор", "Певец"},
                                   {2, "Вторая", "", "", ""},
                                   {3001, "Третья", "", "", ""}});
  return songs;
}

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void firstRunFindsTheImageBesideTheProgramAndWritesTheSettings();
  void missingImageAsksForTheFolder();
  void cancellingTheBrowserAsksAgainUntilYesEndsTheProgram();
  void imageOfTheWrongSizeIsRefused_data();
  void imageOfTheWrongSizeIsRefused();
  void wrongImageInTheCurrentFolderTooGoesToTheBrowser();
  void wrongVersionMarkRunsWithAnEmptyCatalogue();
  void noSynthesizerEndsTheProgramBeforeAnyThread();
  void settingsFileThatCannotBeWrittenIsReportedAndTheProgramRuns();
  void anotherDiscGetsItsOwnCatalogueAtStart();
  void anotherDiscWithoutItsTableRunsEmptyAndNamesTheFile();
};

void StartupTest::firstRunFindsTheImageBesideTheProgramAndWritesTheSettings() {
  TTestWorld world;
  TTestWorld::WriteImage(world.ProgramDir(), kImageSize, kVersionMark, Songs().Blocks());
  TScriptedDialogs dialogs;
  dialogs.openFiles.push_back(TTestWorld::FilmPath());  // no film configured yet
  auto form = world.MakeForm(dialogs, Songs().Resources());
  QVERIFY(TTestWorld::Start(*form));
  QVERIFY(dialogs.folderPrompts.isEmpty());
  QVERIFY(dialogs.messages.isEmpty());
  QCOMPARE(form->ListView1()->RowCount(), 3);
  QCOMPARE(form->ListView1()->SelectedRows(), std::vector<int>{0});

  QCOMPARE(world.ReadSetting("Paths", "rMidiPath"), QFile::encodeName(world.ProgramDir()).toStdString() + "/");
  QCOMPARE(world.ReadSetting("Font", "Name"), std::string("Arial"));
  QCOMPARE(world.ReadSetting("Font", "Height"), std::string("72"));
  QCOMPARE(world.ReadSetting("Font", "Color1"), std::string("16711680"));
  QCOMPARE(world.ReadSetting("Font", "Color2"), std::string("16777215"));
  QCOMPARE(world.ReadSetting("Font", "Shadow"), std::string("0"));
  QCOMPARE(world.ReadSetting("Strings", "Count"), std::string("4"));

  // The film chosen in the dialog is kept for the next start.
  QVERIFY(QTest::qWaitFor([&] { return form->VideoForm()->FilmRunning(); }, 5000));
  QCOMPARE(world.ReadSetting("Paths", "VideoFile"), QFile::encodeName(TTestWorld::FilmPath()).toStdString());
  form->close();
}

void StartupTest::missingImageAsksForTheFolder() {
  TTestWorld world;
  TTestWorld::WriteImage(world.DiscDir(), kImageSize, kVersionMark, Songs().Blocks());
  world.WriteSetting("Paths", "VideoFile", QFile::encodeName(TTestWorld::FilmPath()).toStdString());
  TScriptedDialogs dialogs;
  dialogs.folders.push_back(world.DiscDir());
  auto form = world.MakeForm(dialogs, Songs().Resources());
  QVERIFY(TTestWorld::Start(*form));
  QCOMPARE(dialogs.folderPrompts, QStringList{kFolderPrompt});
  QCOMPARE(world.ReadSetting("Paths", "rMidiPath"), QFile::encodeName(world.DiscDir()).toStdString() + "/");
  QCOMPARE(form->ListView1()->RowCount(), 3);
}

void StartupTest::cancellingTheBrowserAsksAgainUntilYesEndsTheProgram() {
  TTestWorld world;
  TScriptedDialogs dialogs;
  dialogs.confirms = {false, false, true};
  auto form = world.MakeForm(dialogs, Songs().Resources());
  bool ended = false;
  QVERIFY(!TTestWorld::Start(*form, &ended));
  QVERIFY(ended);
  QCOMPARE(dialogs.folderPrompts.size(), 3);
  QCOMPARE(dialogs.questions, QStringList({kGiveUp, kGiveUp, kGiveUp}));
  QVERIFY(form->Engine() == nullptr);  // no synthesizer was set up
  QVERIFY(!world.HasSetting("Paths", "rMidiPath"));
}

void StartupTest::imageOfTheWrongSizeIsRefused_data() {
  QTest::addColumn<qint64>("size");
  QTest::newRow("one byte short") << kImageSize - 1;
  QTest::newRow("one byte long") << kImageSize + 1;
}

void StartupTest::imageOfTheWrongSizeIsRefused() {
  QFETCH(qint64, size);
  TTestWorld world;
  TTestWorld::WriteImage(world.ProgramDir(), size, kVersionMark);
  TScriptedDialogs dialogs;
  dialogs.confirms = {true};
  auto form = world.MakeForm(dialogs, Songs().Resources());
  bool ended = false;
  QVERIFY(!TTestWorld::Start(*form, &ended));
  QVERIFY(ended);
  QCOMPARE(dialogs.messages, QStringList{kBadImage});
  // The current folder holds no image, so the folder browser comes next.
  QCOMPARE(dialogs.folderPrompts.size(), 1);
}

void StartupTest::wrongImageInTheCurrentFolderTooGoesToTheBrowser() {
  TTestWorld world;
  TTestWorld::WriteImage(world.ProgramDir(), kImageSize - 2048, kVersionMark);
  TTestWorld::WriteImage(world.CurrentDir(), kImageSize + 2048, kVersionMark);
  TScriptedDialogs dialogs;
  dialogs.confirms = {true};
  auto form = world.MakeForm(dialogs, Songs().Resources());
  bool ended = false;
  QVERIFY(!TTestWorld::Start(*form, &ended));
  QVERIFY(ended);
  // Each refused image is named once; then the user is asked for the folder.
  QCOMPARE(dialogs.messages, QStringList({kBadImage, kBadImage}));
  QCOMPARE(dialogs.folderPrompts.size(), 1);
}

void StartupTest::wrongVersionMarkRunsWithAnEmptyCatalogue() {
  TTestWorld world;
  TTestWorld::WriteImage(world.ProgramDir(), kImageSize, 0x1234);
  world.WriteSetting("Paths", "VideoFile", QFile::encodeName(TTestWorld::FilmPath()).toStdString());
  TScriptedDialogs dialogs;
  auto form = world.MakeForm(dialogs, Songs().Resources());
  QVERIFY(TTestWorld::Start(*form));
  QCOMPARE(dialogs.messages, QStringList{kBadImage});
  QCOMPARE(form->ListView1()->RowCount(), 0);
  QVERIFY(!world.HasSetting("Paths", "rMidiPath"));
  QVERIFY(world.HasSetting("Strings", "Count"));
  form->close();
}

void StartupTest::noSynthesizerEndsTheProgramBeforeAnyThread() {
  TTestWorld world;
  TTestWorld::WriteImage(world.ProgramDir(), kImageSize, kVersionMark, Songs().Blocks());
  world.WriteSetting("Sound", "SoundFont", QFile::encodeName(world.ProgramDir() + "/missing.sf2").toStdString());
  TScriptedDialogs dialogs;
  auto form = world.MakeForm(dialogs, Songs().Resources());
  bool ended = false;
  QVERIFY(!TTestWorld::Start(*form, &ended));
  QVERIFY(ended);
  QCOMPARE(dialogs.messages.size(), 1);
  QVERIFY2(dialogs.messages.first().contains("missing.sf2"), qPrintable(dialogs.messages.first()));
  // The look is read only after the synthesizer is up.
  QVERIFY(!world.HasSetting("Font", "Name"));
}

void StartupTest::settingsFileThatCannotBeWrittenIsReportedAndTheProgramRuns() {
  TTestWorld world;
  TTestWorld::WriteImage(world.ProgramDir(), kImageSize, kVersionMark, Songs().Blocks());
  // A folder where the file should be: it reads as empty and takes no writes.
  QVERIFY(QDir().mkpath(QFile::decodeName(QByteArray::fromStdString(world.SettingsPath()))));
  TScriptedDialogs dialogs;
  dialogs.openFiles.push_back(TTestWorld::FilmPath());
  auto form = world.MakeForm(dialogs, Songs().Resources());
  QVERIFY(TTestWorld::Start(*form));
  QCOMPARE(form->ListView1()->RowCount(), 3);
  QVERIFY(QTest::qWaitFor([&] { return form->VideoForm()->FilmRunning(); }, 5000));
  // The disc folder, the look and the film could not be stored: each said once.
  QCOMPARE(dialogs.messages.size(), 3);
  for (const QString& message : dialogs.messages) QVERIFY2(message.contains("lyrova.ini"), qPrintable(message));
  form->close();
}

namespace {

// A disc laid out unlike the test catalogue: other lengths at other sectors.
testing::DiscFiles OtherDisc() {
  // "Дорога" and "Река" in the disc character set.
  return testing::MakeDisc({{"\x84\xAE\xE0\xAE\xA3\xA0\r\r\r\r", testing::Bytes(5000, 1), {1}, "a"},
                            {"\x90\xA5\xAA\xA0\r\r\r\r", testing::Bytes(70, 2), {2}, "b"}});
}

void WriteOtherDisc(const QString& folder, bool withTable) {
  const testing::DiscFiles disc = OtherDisc();
  TTestWorld::WriteImage(folder, kImageSize, kVersionMark, disc.image);
  if (withTable) testing::WriteFile(QFile::encodeName(folder + "/rmidi_of.img").toStdString(), disc.table);
}

}  // namespace

void StartupTest::anotherDiscGetsItsOwnCatalogueAtStart() {
  TTestWorld world;
  WriteOtherDisc(world.ProgramDir(), true);
  world.WriteSetting("Paths", "VideoFile", QFile::encodeName(TTestWorld::FilmPath()).toStdString());
  for (int start = 0; start < 2; ++start) {  // built, then from the cache
    TScriptedDialogs dialogs;
    auto form = world.MakeForm(dialogs, Songs().Resources());
    QVERIFY(TTestWorld::Start(*form));
    QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.join('|')));
    TSongView* view = form->ListView1();
    QCOMPARE(view->RowCount(), 2);
    QCOMPARE(view->RowTexts(0)[0], std::string("0001"));
    QCOMPARE(view->RowTexts(0)[1], std::string("Дорога"));
    QCOMPARE(view->RowTexts(1)[1], std::string("Река"));
    QCOMPARE(form->Session().SongsCatalog().Record(0).MidiSize, 5000u);
    form->close();
    QVERIFY(!QDir(world.CacheDir() + "/lyrova").entryList({"disc-*"}, QDir::Dirs).isEmpty());
  }
}

void StartupTest::anotherDiscWithoutItsTableRunsEmptyAndNamesTheFile() {
  TTestWorld world;
  WriteOtherDisc(world.ProgramDir(), false);
  world.WriteSetting("Paths", "VideoFile", QFile::encodeName(TTestWorld::FilmPath()).toStdString());
  TScriptedDialogs dialogs;
  auto form = world.MakeForm(dialogs, Songs().Resources());
  QVERIFY(TTestWorld::Start(*form));
  QCOMPARE(form->ListView1()->RowCount(), 0);
  QCOMPARE(dialogs.messages.size(), 1);
  QVERIFY2(dialogs.messages.first().contains(world.ProgramDir() + "/ ") &&
               dialogs.messages.first().contains("rmidi_of.img"),
           qPrintable(dialogs.messages.first()));
  form->close();
}

}  // namespace lyrova::test

QTEST_MAIN(lyrova::test::StartupTest)
#include "startup_test.moc"
