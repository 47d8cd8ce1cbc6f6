// The song library in the main window: read in the background after the
// disc's songs are shown, its songs after the disc's in the view, the files
// it could not read, searching its words, playing its songs through the
// playlist, and a new folder read again.

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/window/library_bar.h"
#include "app/window/song_view.h"
#include "config/config_dialog.h"
#include "config/settings.h"
#include "tests/app/test_catalog.h"
#include "tests/app/test_world.h"
#include "tests/catalog/smf_maker.h"
#include "tests/support/temp_dir.h"
#include "video/video_form.h"

namespace lyrova::test {

namespace {

const TTestCatalog& Songs() {
  static const TTestCatalog songs({{1, "Калинка", "Народные", "Народная", "хор"}, {2, "Ночь", "", "", ""}});
  return songs;
}

// A song of two beats whose words light up at once.
void WriteSong(const QString& path, const std::string& title, const std::string& words) {
  testing::SmfTrack track;
  track.Text(0, "@T" + title).Lyric(0, words).NoteOn(0, 60).NoteOff(768, 60);
  const std::vector<std::uint8_t> bytes = testing::MakeSmf(384, {track});
  testing::WriteFile(QFile::encodeName(path).toStdString(), std::string(bytes.begin(), bytes.end()));
}

QStringList Codes(const TSongView* view) {
  QStringList codes;
  for (int r = 0; r < view->RowCount(); ++r) codes << view->Songs()->data(view->Songs()->index(r, 0)).toString();
  return codes;
}

// Pixels of the unsung lyric colour (pure blue) in the picture's lower half.
int LyricPixels(const QImage& frame) {
  int count = 0;
  for (int y = frame.height() / 2; y < frame.height(); ++y) {
    for (int x = 0; x < frame.width(); ++x) count += frame.pixel(x, y) == qRgb(0, 0, 255);
  }
  return count;
}

}  // namespace

class LibraryWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanupTestCase();
  void librarySongsFollowTheDiscsAndNameTheUnreadFiles();
  void wordsSearchFindsALibrarySong();
  void libraryRowsPlayThroughThePlaylistWithTheirWords();
  void aNewFolderIsReadAndTheViewFollows();
  void comingBackToTheWindowReadsTheFolderAgain();

 private:
  QString SongsDir() const { return world_->ProgramDir() + "/songs"; }
  bool WaitForLibrary(int rows) {
    return QTest::qWaitFor([&] { return !form_->Session().LibraryScanning() && form_->ListView1()->RowCount() == rows; },
                           10000);
  }

  std::unique_ptr<TTestWorld> world_;
  TScriptedDialogs dialogs_;
  std::unique_ptr<TForm1> form_;
  std::unique_ptr<TForm2> config_;
};

void LibraryWindowTest::initTestCase() {
  world_ = std::make_unique<TTestWorld>();
  TTestWorld::WriteImage(world_->ProgramDir(), kImageSize, kVersionMark, Songs().Blocks());
  world_->WriteSetting("Paths", "VideoFile", QFile::encodeName(TTestWorld::FilmPath()).toStdString());
  QVERIFY(QDir().mkpath(SongsDir() + "/more"));
  WriteSong(SongsDir() + "/grace.kar", "Amazing Grace", "Amazing grace");
  WriteSong(SongsDir() + "/more/susanna.mid", "Oh! Susanna", "Oh Susanna");
  testing::WriteFile(QFile::encodeName(SongsDir() + "/broken.kar").toStdString(), "not a song");
  world_->WriteSetting("Paths", "SongsFolder", QFile::encodeName(SongsDir() + "/").toStdString());
  form_ = world_->MakeForm(dialogs_, Songs().Resources());
  config_ = std::make_unique<TForm2>(
      TSettingsFile(world_->SettingsPath(), QFile::encodeName(world_->ProgramDir() + "/").toStdString()),
      Settings(), nullptr, form_.get());
  form_->SetConfigDialog(config_.get());
  QVERIFY(TTestWorld::Start(*form_));
  QVERIFY(WaitForLibrary(4));
}

void LibraryWindowTest::cleanupTestCase() {
  form_->close();
  config_.reset();
  form_.reset();
}

void LibraryWindowTest::librarySongsFollowTheDiscsAndNameTheUnreadFiles() {
  TSongView* view = form_->ListView1();
  QCOMPARE(Codes(view), QStringList({"0001", "0002", "10001", "10002"}));
  QCOMPARE(view->Songs()->data(view->Songs()->index(3, 1)).toString(), QString("Oh! Susanna"));
  TLibraryBar* bar = form_->LibraryBar();
  QVERIFY(bar->isVisible());
  QVERIFY(!bar->Progress()->isVisible());
  QVERIFY(bar->Unread()->isVisible());
  QVERIFY2(bar->Unread()->text().contains(QString::fromUtf8("1 файл не прочитан")), qPrintable(bar->Unread()->text()));
  dialogs_.messages.clear();
  emit bar->Unread()->linkActivated("unread");
  QCOMPARE(dialogs_.messages.size(), 1);
  QVERIFY2(dialogs_.messages.first().startsWith(SongsDir() + "/broken.kar: "), qPrintable(dialogs_.messages.first()));
  QCOMPARE(UnreadFilesText(3), QString::fromUtf8("3 файла не прочитаны"));
  QCOMPARE(UnreadFilesText(11), QString::fromUtf8("11 файлов не прочитаны"));
  QCOMPARE(UnreadFilesText(21), QString::fromUtf8("21 файл не прочитан"));
  SongLibrary many;
  many.folder = "/songs";
  for (int i = 0; i < kListedUnreadFiles + 5; ++i) many.broken.push_back({std::to_string(i) + ".kar", "no MThd"});
  const QStringList lines = UnreadFilesList(many).split('\n');
  QCOMPARE(lines.size(), kListedUnreadFiles + 1);
  QCOMPARE(lines.first(), QString("/songs/0.kar: no MThd"));
  QCOMPARE(lines.last(), QString::fromUtf8("... и ещё 5"));
}

void LibraryWindowTest::wordsSearchFindsALibrarySong() {
  form_->RadioGroup1()->button(5)->setChecked(true);
  form_->Edit1()->setText("SUSAN");
  form_->DoSearch();
  QCOMPARE(Codes(form_->ListView1()), QStringList{"10002"});
  form_->RadioGroup1()->button(1)->setChecked(true);
  form_->Button6Click();
  QCOMPARE(Codes(form_->ListView1()).size(), 4);
}

void LibraryWindowTest::libraryRowsPlayThroughThePlaylistWithTheirWords() {
  TSongView* view = form_->ListView1();
  view->clearSelection();
  view->SelectRow(2, true);
  view->SelectRow(3, true);
  form_->Button1Click();
  QCOMPARE(Codes(form_->ListView2()), QStringList({"10001", "10002"}));
  const int messages = dialogs_.messages.size();
  QVERIFY(LyricPixels(form_->VideoForm()->PresentedFrame()) < 50);  // no song, no words
  form_->ListView2()->SetCurrentRow(0);
  form_->ListView2DblClick();
  QVERIFY(QTest::qWaitFor([&] { return form_->Engine()->SongTime() > 0; }, 5000));
  // The words are on the singer's picture while the song plays.
  QVERIFY(QTest::qWaitFor([&] { return LyricPixels(form_->VideoForm()->PresentedFrame()) > 50; }, 3000));
  // At its end the playlist goes on to the second library song.
  QVERIFY(QTest::qWaitFor([&] { return form_->Session().PlayOrigin().PlayedIndex == 1; }, 10000));
  QCOMPARE(dialogs_.messages.size(), messages);  // both songs read and started
  form_->Button5Click();
  form_->Button2Click();
}

void LibraryWindowTest::aNewFolderIsReadAndTheViewFollows() {
  const QString other = world_->ProgramDir() + "/other";
  QVERIFY(QDir().mkpath(other));
  WriteSong(other + "/a.kar", "Auld Lang Syne", "Should auld");
  world_->WriteSetting("Paths", "SongsFolder", QFile::encodeName(other + "/").toStdString());
  // Ok without changes stores the folder the dialog shows, the new one.
  QTimer::singleShot(0, this, [&] { config_->OkButton()->click(); });
  form_->Button8Click();
  QVERIFY(WaitForLibrary(3));
  QCOMPARE(Codes(form_->ListView1()), QStringList({"0001", "0002", "10001"}));
  QCOMPARE(form_->ListView1()->Songs()->data(form_->ListView1()->Songs()->index(2, 1)).toString(), QString("Auld Lang Syne"));
  QVERIFY(!form_->LibraryBar()->Unread()->isVisible());
}

void LibraryWindowTest::comingBackToTheWindowReadsTheFolderAgain() {
  TSongView* view = form_->ListView1();
  const auto activate = [&] {
    QEvent event(QEvent::WindowActivate);
    QCoreApplication::sendEvent(form_.get(), &event);
  };
  view->Songs()->SortByColumn(1);  // a refill would bring back the catalogue's order
  const QStringList sorted = Codes(view);
  QCOMPARE(sorted, QStringList({"10001", "0001", "0002"}));
  view->SetCurrentRow(2);
  activate();  // just read: not again so soon
  QVERIFY(!form_->Session().LibraryScanning());
  QTest::qWait(2100);
  activate();
  QVERIFY(form_->Session().LibraryScanning());
  QVERIFY(QTest::qWaitFor([&] { return !form_->Session().LibraryScanning(); }, 5000));
  QTest::qWait(20);
  // Nothing changed: the view keeps its order and its selection, and shows no progress.
  QCOMPARE(Codes(view), sorted);
  QCOMPARE(view->CurrentRow(), 2);
  QVERIFY(!form_->LibraryBar()->Progress()->isVisible());

  WriteSong(world_->ProgramDir() + "/other/b.kar", "Scarborough Fair", "Are you going");
  QTest::qWait(2100);
  activate();
  QVERIFY(WaitForLibrary(4));
  QCOMPARE(view->Songs()->data(view->Songs()->index(3, 1)).toString(), QString("Scarborough Fair"));
}

}  // namespace lyrova::test

QTEST_MAIN(lyrova::test::LibraryWindowTest)
#include "library_window_test.moc"
