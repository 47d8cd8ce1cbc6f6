// The whole program on the demo disc with a silent audio output: a playlist
// song plays to its natural end and the next row starts by itself. With
// LYROVA_SCREENSHOT_DIR set it also saves pictures of both windows.

#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

#include "app/window/main_window.h"
#include "app/window/song_view.h"
#include "config/ini_file.h"
#include "resources/catalog/built_in_catalog.h"
#include "tests/app/scripted_dialogs.h"
#include "video/video_form.h"

namespace lyrova::test {

namespace {

// The shortest demo song, and the one after it in the playlist.
constexpr int kFirstCode = DEMO_FIRST_CODE;
constexpr int kSecondCode = DEMO_SECOND_CODE;

int CatalogueRowOf(const TSongView* view, int code) {
  for (int r = 0; r < view->RowCount(); ++r)
    if (view->RowTexts(r)[0] == QString::asprintf("%.4d", code).toStdString()) return r;
  return -1;
}

void SaveShot(const QImage& image, const char* name) {
  const QByteArray dir = qgetenv("LYROVA_SCREENSHOT_DIR");
  if (dir.isEmpty()) return;
  QVERIFY(image.save(QDir(QString::fromLocal8Bit(dir)).filePath(name)));
}

}  // namespace

class DemoDiscTest : public QObject {
  Q_OBJECT

 private slots:
  void playlistSongEndsAndTheNextRowStarts();
};

void DemoDiscTest::playlistSongEndsAndTheNextRowStarts() {
  QTemporaryDir programDir;
  const std::string programPath = QFile::encodeName(programDir.filePath("lyrova")).toStdString();
  TIniFile settings(programPath + ".ini");
  settings.WriteString("Paths", "rMidiPath", DEMO_DISC_DIR "/");
  settings.WriteString("Paths", "VideoFile", DEMO_DISC_DIR "/rmoving.img");

  TScriptedDialogs dialogs;
  TForm1Setup setup;
  setup.dialogs = &dialogs;
  setup.programPath = programPath;
  setup.catalog = BuiltInCatalog();
  setup.audio = TAudioMode::Silent;
  TForm1 form(setup);
  form.show();
  QVERIFY(QTest::qWaitFor([&] { return form.Started(); }, 10000));
  QVERIFY(QTest::qWaitFor([&] { return form.VideoForm()->FilmRunning(); }, 5000));
  QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.join('\n')));

  TSongView* catalogue = form.ListView1();
  for (int code : {kFirstCode, kSecondCode}) {
    const int row = CatalogueRowOf(catalogue, code);
    QVERIFY(row >= 0);
    catalogue->clearSelection();
    catalogue->SelectRow(row, true);
    form.Button1Click();
  }
  form.TrackBar1()->setValue(-40);  // twice the tempo keeps the test short
  form.ListView2()->SetCurrentRow(0);
  form.ListView2DblClick();

  TPlaybackEngine& engine = *form.Engine();
  QVERIFY(QTest::qWaitFor([&] { return engine.SongPlaying(); }, 5000));
  QTest::qWait(3000);
  SaveShot(form.grab().toImage(), "main-window.png");
  SaveShot(form.VideoForm()->PresentedFrame(), "singer-window.png");
  // Both windows as the first start placed them.
  SaveShot(form.screen()->grabWindow(0).toImage(), "first-start.png");

  QVERIFY(QTest::qWaitFor([&] { return form.Session().PlayOrigin().PlayedIndex == 1; }, 120000));
  QCOMPARE(form.Session().PlayOrigin().PlayedFrom, std::string("ListView2"));
  QCOMPARE(form.ListView2()->CurrentRow(), 1);
  QVERIFY(QTest::qWaitFor([&] { return engine.SongPlaying() && engine.SongTime() > 0; }, 5000));
  QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.join('\n')));
  form.close();
  QVERIFY(!form.Engine());
}

}  // namespace lyrova::test

QTEST_MAIN(lyrova::test::DemoDiscTest)
#include "demo_disc_test.moc"
