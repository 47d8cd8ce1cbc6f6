// The committed pictures: every name the program asks for exists in any
// letter case, with its size and format, and pressed differs from resting.

#include <QFile>
#include <QTest>
#include <QtEndian>

#include "resources/images/pictures.h"

namespace lyrova {
namespace {

const QColor kWindowGrey(0xD4, 0xD0, 0xC8);

double MeanBrightness(const QImage& image) {
  double sum = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) sum += qGray(image.pixel(x, y));
  return sum / (image.width() * image.height());
}

}  // namespace

class PicturesTest : public QObject {
  Q_OBJECT

 private slots:
  void buttonPairs_data() {
    QTest::addColumn<QString>("base");
    QTest::addColumn<QSize>("size");
    for (const char* name : {"ADD", "CLEAR", "RELOAD"}) QTest::newRow(name) << name << QSize(50, 50);
    QTest::newRow("SEARCH") << "SEARCH" << QSize(30, 30);
    for (const char* name : {"SAVE", "LOAD", "STOP", "VIDEO", "CONFIG"})
      QTest::newRow(name) << name << QSize(87, 50);
  }

  void buttonPairs() {
    QFETCH(QString, base);
    QFETCH(QSize, size);
    const QImage resting = LoadPicture(base + u'1');
    const QImage pressed = LoadPicture(base + u'2');
    QCOMPARE(resting.size(), size);
    QCOMPARE(pressed.size(), size);
    // Drawn on the window's grey, so the corners melt into the window.
    QCOMPARE(resting.pixelColor(0, 0), kWindowGrey);
    QCOMPARE(pressed.pixelColor(size.width() - 1, 0), kWindowGrey);
    // A pressed button looks darker, not just different.
    QVERIFY2(MeanBrightness(pressed) < MeanBrightness(resting) - 3,
             qPrintable(QStringLiteral("%1 vs %2")
                            .arg(MeanBrightness(pressed))
                            .arg(MeanBrightness(resting))));
  }

  void namesIgnoreLetterCase() {
    const QImage upper = LoadPicture(QStringLiteral("ADD1"));
    QVERIFY(!upper.isNull());
    QCOMPARE(LoadPicture(QStringLiteral("add1")), upper);
    QCOMPARE(LoadPicture(QStringLiteral("Add1")), upper);
    QCOMPARE(LoadPicture(QStringLiteral("on")).size(), QSize(100, 100));
    QCOMPARE(LoadPicture(QStringLiteral("Off")).size(), QSize(100, 100));
  }

  void unknownNamesGiveNothing_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << QString();
    QTest::newRow("no number") << QStringLiteral("ADD");
    QTest::newRow("third picture") << QStringLiteral("ADD3");
    QTest::newRow("with extension") << QStringLiteral("ADD1.bmp");
    QTest::newRow("path") << QStringLiteral("../images/ADD1");
    QTest::newRow("icon is not a bitmap") << QStringLiteral("lyrova-32");
  }

  void unknownNamesGiveNothing() {
    QFETCH(QString, name);
    QVERIFY(LoadPicture(name).isNull());
  }

  // The stored files are uncompressed 24-bit device-independent bitmaps.
  void storedAsUncompressed24Bit() {
    LoadPicture(QStringLiteral("ADD1"));  // makes the resources available
    for (const char* name : {"ADD1", "CONFIG2", "SEARCH2", "ON", "OFF"}) {
      QFile file(QStringLiteral(":/images/%1.bmp").arg(QLatin1String(name)));
      QVERIFY2(file.open(QIODevice::ReadOnly), name);
      const QByteArray bytes = file.readAll();
      QVERIFY(bytes.size() > 54);
      QCOMPARE(bytes.left(2), QByteArray("BM"));
      QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 28), quint16(24));
      QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + 30), quint32(0));
    }
  }

  void iconHasItsSizes() {
    const QIcon icon = ProgramIcon();
    QVERIFY(!icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    for (int size : {32, 48, 256}) QVERIFY(sizes.contains(QSize(size, size)));
  }
};

}  // namespace lyrova

QTEST_MAIN(lyrova::PicturesTest)
#include "pictures_test.moc"
