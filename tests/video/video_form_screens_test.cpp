// The singer's window on two screens (Qt's offscreen platform configured
// with a 1920 x 1080 and a 1280 x 720 screen side by side). With
// LYROVA_SCREENSHOT_DIR set it saves the window in full screen.
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTest>
#include <filesystem>
#include <thread>

#include "tests/video/test_film.h"
#include "tools/demo_film/demo_film.h"
#include "video/video_form.h"

namespace lyrova {

class VideoFormScreensTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QVERIFY2(QGuiApplication::screens().size() == 2, "two screens configured"); }

  void opensOnTheScreenTheMainWindowIsNotOn() {
    for (const char* mainScreen : {"OFF-1", "OFF-2"}) {
      QWidget main;
      const QScreen* home = ScreenNamed(mainScreen);
      main.setGeometry(QRect(home->geometry().topLeft() + QPoint(50, 50), QSize(792, 573)));
      main.show();
      QVERIFY(QTest::qWaitForWindowExposed(&main));
      TVideoForm form(&main, Ini());
      form.show();
      QVERIFY(QTest::qWaitForWindowExposed(&form));
      QVERIFY(form.screen() != home);
      QVERIFY(form.screen()->availableGeometry().contains(form.frameGeometry()));
      form.SetVideoMayClose(true);
      std::filesystem::remove(Ini());
    }
  }

  void fullScreenIsFoundThereAtTheNextStart() {
    QWidget main;
    main.setGeometry(50, 50, 792, 573);
    main.show();
    {
      TVideoForm form(&main, Ini());
      form.show();
      QVERIFY(QTest::qWaitForWindowExposed(&form));
      QCOMPARE(form.screen()->name(), QString("OFF-2"));
      form.ToggleFullScreen();
      QTRY_VERIFY(form.isFullScreen());
      QTRY_COMPARE(form.size(), QSize(1280, 720));
      // The second screen has two device pixels to a point: so has the picture.
      form.WMTimer(0);
      QCOMPARE(form.PresentedFrame().size(), QSize(1280, 720) * form.devicePixelRatioF());
      QCOMPARE(form.devicePixelRatioF(), 2.0);
      form.SetVideoMayClose(true);
    }
    TVideoForm again(&main, Ini());
    again.show();
    QVERIFY(QTest::qWaitForWindowExposed(&again));
    QTRY_VERIFY(again.isFullScreen());
    QCOMPARE(again.screen()->name(), QString("OFF-2"));
    again.ToggleFullScreen();
    QTRY_VERIFY(!again.isFullScreen());
    QCOMPARE(again.size(), QSize(800, 600));  // the size out of full screen is kept
    again.SetVideoMayClose(true);
    std::filesystem::remove(Ini());
  }

  // A long line fitted whole and the title card, full screen on the large screen.
  void fullScreenPictureWithALongLineAndTheTitleCard() {
    const std::string film = (testing_film::Folder() / "full.img").string();
    WriteDemoFilm(film, TDemoFilmOptions{640, 480, 25, 2, 3000000});
    TVideoForm form;
    form.SetVideoFile(film);
    form.setScreen(ScreenNamed("OFF-1"));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTRY_VERIFY(form.FilmRunning());
    form.setGeometry(100, 100, 800, 600);
    form.ToggleFullScreen();
    QTRY_COMPARE(form.size(), QSize(1920, 1080));
    form.SetSongTitle({1027, "Ой, то не вечер", "Народная песня"});
    form.SetLyrics({"Ой, то не вечер, то не вечер,",
                    "Мне малым-мало спалось, мне малым-мало спалось, ой,",
                    "Ой, да во сне привиделось."});
    const TimingPairs pairs{{1, 10000}};  // introduction 1..10001
    form.SetTiming(pairs);
    std::thread clock([&] {
      for (int i = 0; i < 3; ++i) form.WMTimer(5000);
    });
    clock.join();
    const QImage presented = form.PresentedFrame();
    QCOMPARE(presented.size(), QSize(1920, 1080));
    QTRY_COMPARE(form.grab().toImage().convertToFormat(QImage::Format_RGB32), presented);
    const QByteArray dir = qgetenv("LYROVA_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
      QVERIFY(presented.save(QDir(QString::fromLocal8Bit(dir)).filePath("singer-full-screen.png")));
    }
    form.SetVideoMayClose(true);
  }

 private:
  static QScreen* ScreenNamed(const char* name) {
    for (QScreen* s : QGuiApplication::screens())
      if (s->name() == QLatin1String(name)) return s;
    return QGuiApplication::primaryScreen();
  }
  static std::string Ini() { return (testing_film::Folder() / "screens.ini").string(); }
};

}  // namespace lyrova

QTEST_MAIN(lyrova::VideoFormScreensTest)
#include "video_form_screens_test.moc"
