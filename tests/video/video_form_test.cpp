#include <QApplication>
#include <QSignalSpy>
#include <QTest>
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
      badFilms.emplace_back(bad->File(), Cp1251ToUtf8(bad->Reason()));
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
