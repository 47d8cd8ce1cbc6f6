// The save dialog on screen, answered as a user answers it: the type chosen
// in its list decides the extension of a name typed without one.

#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/window/qt_user_dialogs.h"
#include "config/file_filter.h"

namespace lyrova::test {

class SaveDialogTest : public QObject {
  Q_OBJECT

 private slots:
  // The type's index too: the video's size is chosen by it, and the dialog
  // names the type without its patterns.
  void aBareNameTakesTheTypeChosen() {
    const struct {
      const char* filter;
      int chosen;
      const char* saved;
    } cases[] = {
        {"Звук WAV|*.wav|Звук FLAC|*.flac", 1, "Песня.flac"},
        {"Звук WAV|*.wav|Звук FLAC|*.flac", 0, "Песня.wav"},
        {"Видео MP4, 1280 × 720|*.mp4|Видео MP4, 1920 × 1080|*.mp4", 1, "Песня.mp4"},
    };
    QTemporaryDir dir;
    TQtUserDialogs dialogs;
    for (const auto& c : cases) {
      const QString filter = QtFileFilter(QString::fromUtf8(c.filter));
      QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->setDirectory(dir.path());
        dialog->selectNameFilter(filter.split(";;")[c.chosen]);
        dialog->selectFile(QStringLiteral("Песня"));
        QMetaObject::invokeMethod(dialog, "accept");
      });
      int index = -1;
      const auto name = dialogs.SaveFileName(QString(), filter, QStringLiteral("wav"), &index);
      QVERIFY(name);
      QCOMPARE(index, c.chosen);
      QCOMPARE(*name, dir.filePath(QString::fromUtf8(c.saved)));
    }
  }
};

}  // namespace lyrova::test

QTEST_MAIN(lyrova::test::SaveDialogTest)
#include "save_dialog_test.moc"
