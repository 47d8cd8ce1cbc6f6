#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>
#include <thread>

#include "catalog/cp1251.h"
#include "config/settings_values.h"
#include "tests/video/test_film.h"
#include "video/video_form.h"
#include "video/video_messages.h"

namespace lyrova {

// Stands in for the main window: keeps what the video window posts to it.
class MainWindowStub : public QObject {
 public:
  std::vector<std::pair<std::string, std::string>> badFilms;

 protected:
  bool event(QEvent* e) override {
    if (e->type() == kWMBadVidFile) {
      const auto* bad = static_cast<TBadVidFileEvent*>(e);
      badFilms.emplace_back(bad->File(), bad->Reason());
      return true;
    }
    return QObject::event(e);
  }
};

class VideoFormTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { Settings().SetVideoFileName(""); }

  void looksLikeTheSingersWindow() {
    TVideoForm form;
    QCOMPARE(form.toolTip(), QString::fromUtf8("Правая копка мышки  Каталог."));
    QCOMPARE(form.windowTitle(), QStringLiteral("VideoForm"));
    QVERIFY(form.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(form.size(), QSize(800, 600));
    QCOMPARE(form.palette().color(QPalette::Window), QColor(Qt::black));
  }

  void refusesToCloseUntilAllowed() {
    TVideoForm form;
    form.show();
    QVERIFY(!form.close());
    QVERIFY(form.isVisible());
    form.SetVideoMayClose(true);
    QVERIFY(form.close());
  }

  void firstShowWithoutAFilmReportsABadFilm() {
    MainWindowStub main;
    TVideoForm form(&main);
    form.show();
    QTRY_COMPARE(main.badFilms.size(), std::size_t{1});
    QCOMPARE(main.badFilms[0].first, std::string());
    QCOMPARE(main.badFilms[0].second, std::string("видеофайл не выбран"));
    QVERIFY(!form.FilmRunning());
    form.SetVideoMayClose(true);
  }

  void playsTheChosenFilmAndStopsWhenHidden() {
    MainWindowStub main;
    TVideoForm form(&main);
    form.SetVideoFile(testing_film::Film());
    QCOMPARE(form.VideoFile(), testing_film::Film());
    form.show();
    QTRY_VERIFY(form.FilmRunning());
    QVERIFY(main.badFilms.empty());
    form.hide();
    QTRY_VERIFY(!form.FilmRunning());
    form.show();
    QTRY_VERIFY(form.FilmRunning());
    form.SetVideoMayClose(true);
  }

  void doubleClickTogglesMaximised() {
    TVideoForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseDClick(&form, Qt::LeftButton, {}, QPoint(400, 300));
    QTRY_VERIFY(form.isMaximized());
    QTest::mouseDClick(&form, Qt::LeftButton, {}, QPoint(400, 300));
    QTRY_VERIFY(!form.isMaximized());
    form.SetVideoMayClose(true);
  }

  void rightClickAsksForTheMainWindow() {
    TVideoForm form;
    QSignalSpy spy(&form, &TVideoForm::MainWindowWanted);
    form.show();
    QTest::mouseClick(&form, Qt::RightButton, {}, QPoint(300, 300));
    QCOMPARE(spy.count(), 1);
    QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(300, 300));
    QCOMPARE(spy.count(), 1);
    form.SetVideoMayClose(true);
  }

  void fullScreenWithF11OrAltEnterAndOutWithEscape() {
    TVideoForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::keyClick(&form, Qt::Key_F11);
    QTRY_VERIFY(form.isFullScreen());
    QTest::keyClick(&form, Qt::Key_Escape);
    QTRY_VERIFY(!form.isFullScreen());
    QTest::keyClick(&form, Qt::Key_Return, Qt::AltModifier);
    QTRY_VERIFY(form.isFullScreen());
    QTest::keyClick(&form, Qt::Key_Enter, Qt::AltModifier);
    QTRY_VERIFY(!form.isFullScreen());
    QVERIFY(!form.isMaximized());
    form.SetVideoMayClose(true);
  }

  void draggingFollowsTheMouseFromItsFirstMovement() {
    TVideoForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QPoint start = form.pos();
    const QPointF pressed = form.mapToGlobal(QPointF(200, 200));
    // The mouse at `offset` from where it was pressed, the form under it.
    auto send = [&](QEvent::Type type, QPointF offset, Qt::MouseButtons buttons) {
      const QPointF global = pressed + offset;
      QMouseEvent e(type, form.mapFromGlobal(global), global, Qt::LeftButton, buttons,
                    Qt::NoModifier);
      QApplication::sendEvent(&form, &e);
    };
    send(QEvent::MouseButtonPress, {0, 0}, Qt::LeftButton);
    send(QEvent::MouseMove, {2, 1}, Qt::LeftButton);
    QCOMPARE(form.pos(), start + QPoint(2, 1));
    send(QEvent::MouseMove, {7, 6}, Qt::LeftButton);
    QCOMPARE(form.pos(), start + QPoint(7, 6));
    send(QEvent::MouseButtonRelease, {7, 6}, Qt::NoButton);
    form.SetVideoMayClose(true);
  }

  void thePictureHasTheWindowsDevicePixels() {
    TVideoForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.resize(640, 360);
    form.WMTimer(0);
    QCOMPARE(form.PresentedFrame().size(), QSize(640, 360) * form.devicePixelRatioF());
    form.SetVideoMayClose(true);
  }

  void aSongStartBringsTheWindowForwardButLeavesTheFocus() {
    QWidget main;
    main.resize(300, 200);
    main.show();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    TVideoForm form(&main);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.showMinimized();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    form.SongStarting(TSongTitle{42, "Song", "Singer"});
    QTRY_VERIFY(!form.isMinimized());
    QCOMPARE(QApplication::activeWindow(), &main);
    form.SetVideoMayClose(true);
  }

  void opensBesideTheMainWindowAndWhereItWasLeft() {
    const std::string ini = (testing_film::Folder() / "form-placement.ini").string();
    std::filesystem::remove(ini);
    QWidget main;
    main.setGeometry(0, 0, 500, 400);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    {
      TVideoForm form(&main, ini);
      form.show();
      QVERIFY(QTest::qWaitForWindowExposed(&form));
      QVERIFY(!form.frameGeometry().contains(main.frameGeometry().center()));
      form.setGeometry(30, 40, 400, 300);
      form.SetVideoMayClose(true);
    }  // the place is written at the latest when the window goes
    TVideoForm again(&main, ini);
    again.show();
    QVERIFY(QTest::qWaitForWindowExposed(&again));
    QCOMPARE(again.geometry(), QRect(30, 40, 400, 300));
    again.SetVideoMayClose(true);
  }

  void ticksFromAnotherThreadReachTheScreen() {
    TVideoForm form;
    form.SetVideoFile(testing_film::Film());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTRY_VERIFY(form.FilmRunning());
    std::thread clock([&] {
      for (int i = 0; i < 5; ++i) form.WMTimer(0);
    });
    clock.join();
    const QImage presented = form.PresentedFrame();
    QCOMPARE(presented.size(), QSize(800, 600));
    QVERIFY(presented.pixel(400, 50) != qRgb(0, 0, 0));
    // The window shows the presented picture once its repaint has run.
    QTRY_COMPARE(form.grab().toImage().convertToFormat(QImage::Format_RGB32).pixel(400, 50),
                 presented.pixel(400, 50));
    form.SetVideoMayClose(true);
  }
};

}  // namespace lyrova

QTEST_MAIN(lyrova::VideoFormTest)
#include "video_form_test.moc"
