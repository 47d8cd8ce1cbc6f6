// The picture buttons, driven through the window as the user would, checked
// by the pixels they show.

#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "app/widgets/picture_button.h"
#include "resources/images/pictures.h"

namespace lyrova {
namespace {

QImage Shown(QWidget* w) { return w->grab().toImage().convertToFormat(QImage::Format_RGB32); }
QImage Picture(const char* name) {
  return LoadPicture(QLatin1String(name)).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class PictureButtonTest : public QObject {
  Q_OBJECT

 private:
  // A window with room around the button, so the pointer can leave it.
  std::unique_ptr<QWidget> window_;
  TPictureButton* button_ = nullptr;
  int clicks_ = 0;

  QWindow* Window() const { return window_->windowHandle(); }
  QPoint Inside() const { return button_->geometry().center(); }
  QPoint Outside() const { return button_->geometry().bottomRight() + QPoint(30, 30); }
  bool ShowsResting() const { return Shown(button_) == Picture("STOP1"); }
  bool ShowsPressed() const { return Shown(button_) == Picture("STOP2"); }

 private slots:
  void init() {
    window_ = std::make_unique<QWidget>();
    window_->resize(200, 150);
    button_ = new TPictureButton(QStringLiteral("STOP"), window_.get());
    button_->move(40, 30);
    clicks_ = 0;
    connect(button_, &TPictureButton::clicked, this, [this] { ++clicks_; });
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }

  void cleanup() { window_.reset(); }

  void restsWithItsFirstPictureAndItsSize() {
    QVERIFY(ShowsResting());
    QCOMPARE(button_->size(), QSize(87, 50));
  }

  void leftClickRunsTheActionOnce() {
    QTest::mousePress(Window(), Qt::LeftButton, {}, Inside());
    QVERIFY(ShowsPressed());
    QCOMPARE(clicks_, 0);
    QTest::mouseRelease(Window(), Qt::LeftButton, {}, Inside());
    QCOMPARE(clicks_, 1);
    QVERIFY(ShowsResting());
  }

  // Pressing, leaving the picture and letting go there cancels the click.
  void releaseOffThePictureRunsNothing() {
    QTest::mousePress(Window(), Qt::LeftButton, {}, Inside());
    QTest::mouseMove(Window(), Outside());
    QVERIFY(ShowsPressed());
    QTest::mouseRelease(Window(), Qt::LeftButton, {}, Outside());
    QCOMPARE(clicks_, 0);
    QVERIFY(ShowsResting());
  }

  void comingBackBeforeReleaseStillClicks() {
    QTest::mousePress(Window(), Qt::LeftButton, {}, Inside());
    QTest::mouseMove(Window(), Outside());
    QTest::mouseMove(Window(), Inside());
    QTest::mouseRelease(Window(), Qt::LeftButton, {}, Inside());
    QCOMPARE(clicks_, 1);
  }

  void otherButtonsOnlyShowThePressedLook_data() {
    QTest::addColumn<Qt::MouseButton>("mouseButton");
    QTest::addColumn<bool>("releaseInside");
    QTest::newRow("right, released over it") << Qt::RightButton << true;
    QTest::newRow("middle, released over it") << Qt::MiddleButton << true;
    // The release still reaches the button, so it cannot stay stuck pressed.
    QTest::newRow("right, released elsewhere") << Qt::RightButton << false;
    QTest::newRow("middle, released elsewhere") << Qt::MiddleButton << false;
  }

  void otherButtonsOnlyShowThePressedLook() {
    QFETCH(Qt::MouseButton, mouseButton);
    QFETCH(bool, releaseInside);
    QTest::mousePress(Window(), mouseButton, {}, Inside());
    QVERIFY(ShowsPressed());
    QTest::mouseRelease(Window(), mouseButton, {}, releaseInside ? Inside() : Outside());
    QCOMPARE(clicks_, 0);
    QVERIFY(ShowsResting());
  }

  // While both are held the look stays pressed; the left release clicks.
  void rightButtonReleasedWhileLeftHeld() {
    QTest::mousePress(Window(), Qt::LeftButton, {}, Inside());
    QTest::mousePress(Window(), Qt::RightButton, {}, Inside());
    QTest::mouseRelease(Window(), Qt::RightButton, {}, Inside());
    QVERIFY(ShowsPressed());
    QCOMPARE(clicks_, 0);
    QTest::mouseRelease(Window(), Qt::LeftButton, {}, Inside());
    QCOMPARE(clicks_, 1);
    QVERIFY(ShowsResting());
  }

  // A dialog opened by the action leaves the button pressed until it closes.
  void actionRunsWhileThePressedPictureShows() {
    bool pressedDuringDialog = false;
    bool dialogRan = false;
    connect(button_, &TPictureButton::clicked, this, [&] {
      QDialog dialog(window_.get());
      QTimer::singleShot(0, &dialog, [&] {
        pressedDuringDialog = ShowsPressed();
        dialog.accept();
      });
      dialog.exec();
      dialogRan = true;
    });
    QTest::mousePress(Window(), Qt::LeftButton, {}, Inside());
    QTest::mouseRelease(Window(), Qt::LeftButton, {}, Inside());
    QVERIFY(dialogRan);
    QVERIFY(pressedDuringDialog);
    QVERIFY(ShowsResting());
  }

  // An action may remove the button it was started from.
  void actionMayDeleteTheButton() {
    QPointer<TPictureButton> watched(button_);
    connect(button_, &TPictureButton::clicked, this, [this] { delete button_; });
    QTest::mousePress(Window(), Qt::LeftButton, {}, Inside());
    QTest::mouseRelease(Window(), Qt::LeftButton, {}, Inside());
    QVERIFY(watched.isNull());
  }

  void hidingWhileHeldRestoresTheRestingPicture() {
    QTest::mousePress(Window(), Qt::LeftButton, {}, Inside());
    button_->hide();
    button_->show();
    QVERIFY(ShowsResting());
    QTest::mouseRelease(Window(), Qt::LeftButton, {}, Inside());
    QCOMPARE(clicks_, 0);
  }

  void eachButtonShowsItsOwnPictures_data() {
    QTest::addColumn<QString>("base");
    for (const char* name :
         {"ADD", "CLEAR", "RELOAD", "SEARCH", "SAVE", "LOAD", "STOP", "VIDEO", "CONFIG"})
      QTest::newRow(name) << name;
  }

  void eachButtonShowsItsOwnPictures() {
    QFETCH(QString, base);
    TPictureButton button(base);
    const QImage resting = LoadPicture(base + u'1').convertToFormat(QImage::Format_RGB32);
    QVERIFY(!resting.isNull());
    QCOMPARE(button.size(), resting.size());
    QCOMPARE(Shown(&button), resting);
  }
};

}  // namespace lyrova

QTEST_MAIN(lyrova::PictureButtonTest)
#include "picture_button_test.moc"
