// The song lists of the main window: filling, sorting, the playlist buttons
// and keys, starting songs and the playlist going on, the search box, the
// focus return and the sliders' messages.

#include <cmath>

#include <QButtonGroup>
#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QComboBox>
#include <QTest>
#include <QTimer>

#include "app/window/song_view.h"
#include "catalog/cp1251.h"
#include "config/config_dialog.h"
#include "tests/app/message_recorder.h"
#include "tests/app/test_catalog.h"
#include "tests/app/test_world.h"

namespace lyrova::test {

namespace {

const TTestCatalog& Songs() {
  static const TTestCatalog songs({{1, "Калинка", "Народные", "Народная", "хор"},
                                   {2, "Ночь", "Пушкин", "Глинка", "Бас"},
                                   {25, "Утро", "Фет", "Гурилёв", "ансамбль"},
                                   {100, "Yesterday", "McCartney", "Lennon", "Beatles"},
                                   {3001, "Вечер", "Тютчев", "Варламов", "Ёлкин"},
                                   {3002, "Песня длинного названия", "", "", "Альт"}});
  return songs;
}

QStringList Column(const TSongView* view, int column) {
  QStringList texts;
  for (int r = 0; r < view->RowCount(); ++r) texts << view->Songs()->data(view->Songs()->index(r, column)).toString();
  return texts;
}

void ClickHeader(TSongView* view, int column) {
  QHeaderView* header = view->header();
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                    QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
}

void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center()); }

void DoubleClickRow(TSongView* view, int row) {
  const QPoint inFirstColumn(10, view->RowRect(row).center().y());
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, inFirstColumn);
  QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, inFirstColumn);
}

void SelectRows(TSongView* view, std::initializer_list<int> rows) {
  view->clearSelection();
  for (int r : rows) view->SelectRow(r, true);
}

}  // namespace

class SongListsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void cleanupTestCase();

  void fillSizesTheColumnsToTheWidestTextWithItsMargins();
  void headerClickSortsThatViewByTheSharedColumn();
  void selectedSongsAreAppendedInViewOrder();
  void deleteAndClearInThePlaylist();
  void restoreBringsBackTheWholeCatalogue();
  void catalogueStartsOnlyWithOneSelectedRow();
  void playlistGoesOnToItsLastRowOnly();
  void catalogueSongNeverAdvances();
  void searchModes_data();
  void searchModes();
  void codeModeRefusesTextAndKeepsTheRows();
  void emptySearchBoxStartsNothing();
  void focusGoesBackFromSlidersAndSearchModes();
  void slidersPostNegatedPositions();
  void playlistSavesAndLoadsThroughTheButtons();
  void handlerErrorsAreReportedAndTheProgramGoesOn();
  void configurationButtonShowsTheDialogWithTheOutputPorts();
  void loadRefusesOtherFilesAndReportsUnknownCodes();

 private:
  std::unique_ptr<TTestWorld> world_;
  TScriptedDialogs dialogs_;
  std::unique_ptr<TForm1> form_;
  std::unique_ptr<TForm2> config_;
  std::unique_ptr<TMessageRecorder> recorder_;
  TSongView* catalogue_ = nullptr;
  TSongView* playlist_ = nullptr;
};

void SongListsTest::initTestCase() {
  world_ = std::make_unique<TTestWorld>();
  TTestWorld::WriteImage(world_->ProgramDir(), kImageSize, kVersionMark, Songs().Blocks());
  world_->WriteSetting("Paths", "VideoFile", QFile::encodeName(TTestWorld::FilmPath()).toStdString());
  form_ = world_->MakeForm(dialogs_, Songs().Resources());
  recorder_ = std::make_unique<TMessageRecorder>(
      &form_->Session(), std::set<TMessage>{TMessage::PlaySong, TMessage::Tempo, TMessage::Pitch, TMessage::Volume});
  config_ = std::make_unique<TForm2>(
      TSettingsFile(world_->SettingsPath(), QFile::encodeName(world_->ProgramDir() + "/").toStdString()),
      Settings(), nullptr, form_.get());
  form_->SetConfigDialog(config_.get());
  QVERIFY(TTestWorld::Start(*form_));
  form_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(form_.get()));
  catalogue_ = form_->ListView1();
  playlist_ = form_->ListView2();
}

void SongListsTest::init() {
  form_->Button6Click();
  form_->Button2Click();
  catalogue_->clearSelection();
  recorder_->messages.clear();
  dialogs_.messages.clear();
  form_->Edit1()->clear();
  form_->RadioGroup1()->button(1)->setChecked(true);
}

void SongListsTest::cleanupTestCase() {
  form_->close();
  config_.reset();
  form_.reset();
}

void SongListsTest::fillSizesTheColumnsToTheWidestTextWithItsMargins() {
  const QFontMetricsF metrics(catalogue_->font());
  QCOMPARE(catalogue_->columnWidth(0), 50);
  for (int c = 1; c < 5; ++c) {
    int widest = 50;
    for (const QString& text : Column(catalogue_, c)) {
      widest = std::max(widest, catalogue_->CellWidth(text));
      // Wide enough for the style's margins: nothing is cut with "...".
      const int margins = catalogue_->CellWidth(text) - static_cast<int>(std::ceil(metrics.horizontalAdvance(text)));
      QVERIFY(margins > 0);
      QCOMPARE(metrics.elidedText(text, Qt::ElideRight, catalogue_->columnWidth(c) - margins), text);
    }
    QCOMPARE(catalogue_->columnWidth(c), widest);
    QCOMPARE(playlist_->columnWidth(c), widest);
  }
}

void SongListsTest::headerClickSortsThatViewByTheSharedColumn() {
  ClickHeader(catalogue_, 2);
  QCOMPARE(form_->SortColumn(), 2);
  // Latin first, then Ё, then Cyrillic capitals, then small letters.
  QCOMPARE(Column(catalogue_, 2), QStringList({"Beatles", "Ёлкин", "Альт", "Бас", "ансамбль", "хор"}));
  ClickHeader(catalogue_, 2);
  QCOMPARE(Column(catalogue_, 2), QStringList({"Beatles", "Ёлкин", "Альт", "Бас", "ансамбль", "хор"}));

  SelectRows(catalogue_, {0, 5});  // Beatles, хор
  form_->Button1Click();
  ClickHeader(playlist_, 0);
  QCOMPARE(Column(playlist_, 0), QStringList({"0001", "0100"}));
  QCOMPARE(Column(catalogue_, 2).first(), QString("Beatles"));  // only the clicked view sorts

  ClickHeader(catalogue_, 0);
  QCOMPARE(Column(catalogue_, 0), QStringList({"0001", "0002", "0025", "0100", "3001", "3002"}));
}

void SongListsTest::selectedSongsAreAppendedInViewOrder() {
  SelectRows(catalogue_, {4, 0, 2});
  Click(form_->PictureButton(1));
  QCOMPARE(Column(playlist_, 0), QStringList({"0001", "0025", "3001"}));
  Click(form_->PictureButton(1));
  QCOMPARE(playlist_->RowCount(), 6);
  QCOMPARE(catalogue_->SelectedRows(), (std::vector<int>{0, 2, 4}));
  QCOMPARE(playlist_->RowTexts(2), catalogue_->RowTexts(4));
}

void SongListsTest::deleteAndClearInThePlaylist() {
  SelectRows(catalogue_, {0, 1, 2});
  form_->Button1Click();
  playlist_->setFocus();
  playlist_->SetCurrentRow(2);
  QTest::keyClick(playlist_, Qt::Key_Delete);
  QCOMPARE(Column(playlist_, 0), QStringList({"0001", "0002"}));
  QCOMPARE(playlist_->CurrentRow(), 1);  // the new last row
  playlist_->SetCurrentRow(0);
  QTest::keyClick(playlist_, Qt::Key_Delete);
  QCOMPARE(Column(playlist_, 0), QStringList({"0002"}));
  QCOMPARE(playlist_->CurrentRow(), 0);  // the next row, ready for another Delete
  QTest::keyClick(playlist_, Qt::Key_Delete);
  QCOMPARE(playlist_->RowCount(), 0);
  QCOMPARE(playlist_->CurrentRow(), -1);
  QTest::keyClick(playlist_, Qt::Key_Delete);  // nothing to delete

  form_->Button1Click();
  Click(form_->PictureButton(4));
  QCOMPARE(playlist_->RowCount(), 0);
}

void SongListsTest::restoreBringsBackTheWholeCatalogue() {
  ClickHeader(catalogue_, 1);
  form_->Edit1()->setText("ч");
  form_->DoSearch();
  QCOMPARE(Column(catalogue_, 0), QStringList({"0002", "3001"}));
  Click(form_->PictureButton(6));
  QCOMPARE(Column(catalogue_, 0), QStringList({"0001", "0002", "0025", "0100", "3001", "3002"}));
  QCOMPARE(catalogue_->columnWidth(0), 50);
}

void SongListsTest::catalogueStartsOnlyWithOneSelectedRow() {
  DoubleClickRow(catalogue_, 2);
  QTest::qWait(20);
  QCOMPARE(recorder_->WParams(TMessage::PlaySong), std::vector<int>{25});
  QCOMPARE(form_->Session().PlayOrigin().PlayedFrom, std::string("ListView1"));
  QCOMPARE(form_->Session().PlayOrigin().PlayedIndex, 2);

  SelectRows(catalogue_, {3});
  catalogue_->setFocus();
  QTest::keyClick(catalogue_, Qt::Key_Return);
  QTest::qWait(20);
  QCOMPARE(recorder_->WParams(TMessage::PlaySong), (std::vector<int>{25, 100}));

  SelectRows(catalogue_, {1, 3});
  form_->ListView1DblClick();
  catalogue_->clearSelection();
  form_->ListView1DblClick();
  QTest::qWait(20);
  QCOMPARE(recorder_->WParams(TMessage::PlaySong).size(), std::size_t{2});
}

void SongListsTest::playlistGoesOnToItsLastRowOnly() {
  // Each song the window would play is taken under a new serial.
  std::uint32_t serial = 40;
  recorder_->onCaught = [&](TMessage message, int) {
    if (message == TMessage::PlaySong) form_->Session().SongHandedOver(++serial);
  };
  SelectRows(catalogue_, {0, 1, 2, 3});
  form_->Button1Click();
  DoubleClickRow(playlist_, 1);
  QTest::qWait(20);
  QCOMPARE(recorder_->WParams(TMessage::PlaySong), std::vector<int>{2});
  for (int i = 0; i < 3; ++i) {
    // The end of the song now playing; an earlier song's end would not advance.
    TMessageEvent stale(TMessage::SongEnd, static_cast<int>(form_->Session().PlayOrigin().serial - 1));
    QCoreApplication::sendEvent(&form_->Session(), &stale);
    TMessageEvent end(TMessage::SongEnd, static_cast<int>(form_->Session().PlayOrigin().serial));
    QCoreApplication::sendEvent(&form_->Session(), &end);
    QTest::qWait(20);
  }
  QCOMPARE(recorder_->WParams(TMessage::PlaySong), (std::vector<int>{2, 25, 100}));
  QCOMPARE(form_->Session().PlayOrigin().PlayedIndex, 3);
  QCOMPARE(playlist_->CurrentRow(), 3);
  recorder_->onCaught = nullptr;
}

void SongListsTest::catalogueSongNeverAdvances() {
  SelectRows(catalogue_, {0, 1});
  form_->Button1Click();
  SelectRows(catalogue_, {4});
  form_->ListView1DblClick();
  form_->Session().SongHandedOver(7);
  TMessageEvent end(TMessage::SongEnd, 7);
  QCoreApplication::sendEvent(&form_->Session(), &end);
  QTest::qWait(20);
  QCOMPARE(recorder_->WParams(TMessage::PlaySong), std::vector<int>{3001});
}

void SongListsTest::searchModes_data() {
  QTest::addColumn<int>("item");
  QTest::addColumn<QString>("query");
  QTest::addColumn<QStringList>("codes");
  QTest::newRow("code") << 0 << "25" << QStringList{"0025"};
  QTest::newRow("padded code") << 0 << "0025" << QStringList{"0025"};
  QTest::newRow("code between ranges") << 0 << "2000" << QStringList{};
  QTest::newRow("title, any case") << 1 << "НОЧ" << QStringList{"0002"};
  QTest::newRow("title inside a word") << 1 << "TERD" << QStringList{"0100"};
  QTest::newRow("singer") << 2 << "ЁЛ" << QStringList{"3001"};
  QTest::newRow("music") << 3 << "глин" << QStringList{"0002"};
  QTest::newRow("words") << 4 << "mccart" << QStringList{"0100"};
  QTest::newRow("trailing space") << 1 << "Утро " << QStringList{};
}

void SongListsTest::searchModes() {
  QFETCH(int, item);
  QFETCH(QString, query);
  QFETCH(QStringList, codes);
  ClickHeader(catalogue_, 2);
  form_->RadioGroup1()->button(item)->setChecked(true);
  form_->Edit1()->setFocus();
  form_->Edit1()->setText(query);
  QTest::keyClick(form_->Edit1(), Qt::Key_Return);
  QCOMPARE(Column(catalogue_, 0), codes);
  QVERIFY(catalogue_->SelectedRows().empty());
  QVERIFY(dialogs_.messages.isEmpty());
}

void SongListsTest::codeModeRefusesTextAndKeepsTheRows() {
  form_->RadioGroup1()->button(0)->setChecked(true);
  form_->Edit1()->setText("25a");
  Click(form_->PictureButton(9));
  QCOMPARE(dialogs_.messages, QStringList{"'25a' is not a valid integer value"});
  QCOMPARE(catalogue_->RowCount(), 6);
}

void SongListsTest::emptySearchBoxStartsNothing() {
  form_->RadioGroup1()->button(0)->setChecked(true);
  form_->Edit1()->setFocus();
  QTest::keyClick(form_->Edit1(), Qt::Key_Return);
  Click(form_->PictureButton(9));
  QCOMPARE(catalogue_->RowCount(), 6);
  QVERIFY(dialogs_.messages.isEmpty());
}

void SongListsTest::focusGoesBackFromSlidersAndSearchModes() {
  playlist_->setFocus();
  QTRY_VERIFY(playlist_->hasFocus());
  for (QSlider* bar : {form_->TrackBar1(), form_->TrackBar2(), form_->TrackBar3()}) {
    bar->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(playlist_->hasFocus());
  }
  // A click keeps it, so the arrows move that slider; Esc gives it back.
  QSlider* key = form_->TrackBar2();
  QTest::mouseClick(key, Qt::LeftButton, {}, QPoint(key->width() / 2, key->height() - 3));
  QTRY_VERIFY(key->hasFocus());
  const int clicked = key->value();
  QTest::keyClick(key, Qt::Key_Up);
  QCOMPARE(key->value(), clicked - 1);
  QTest::keyClick(key, Qt::Key_Escape);
  QTRY_VERIFY(playlist_->hasFocus());
  key->setValue(0);
  QCoreApplication::sendPostedEvents(&form_->Session());
  form_->Edit1()->setFocus();
  QTRY_VERIFY(form_->Edit1()->hasFocus());
  Click(form_->RadioGroup1()->button(3));
  QTRY_VERIFY(form_->Edit1()->hasFocus());
  QCOMPARE(form_->RadioGroup1()->checkedId(), 3);
}

void SongListsTest::slidersPostNegatedPositions() {
  form_->TrackBar1()->setValue(-40);
  form_->TrackBar1()->setValue(40);
  form_->TrackBar2()->setValue(-8);
  form_->TrackBar2()->setValue(3);
  form_->TrackBar3()->setValue(0);
  form_->TrackBar3()->setValue(100);
  QTest::qWait(20);
  QCOMPARE(recorder_->WParams(TMessage::Tempo), (std::vector<int>{40, -40}));
  QCOMPARE(recorder_->WParams(TMessage::Pitch), (std::vector<int>{8, -3}));
  QCOMPARE(recorder_->WParams(TMessage::Volume), (std::vector<int>{0, 100}));
  // The sliders' ranges and resting places.
  QCOMPARE(form_->TrackBar1()->minimum(), -40);
  QCOMPARE(form_->TrackBar2()->maximum(), 8);
  QCOMPARE(form_->TrackBar3()->maximum(), 100);
  QVERIFY(form_->TrackBar1()->toolTip().startsWith("Tempo\n"));
}

void SongListsTest::playlistSavesAndLoadsThroughTheButtons() {
  Click(form_->PictureButton(2));  // an empty playlist is not saved
  QVERIFY(dialogs_.fileFilters.isEmpty());

  SelectRows(catalogue_, {5, 0, 3});
  form_->Button1Click();
  const QString file = world_->ProgramDir() + "/list.lpl";
  dialogs_.saveFiles.push_back(file);
  Click(form_->PictureButton(2));
  QVERIFY(QFile::exists(file));
  QCOMPARE(dialogs_.fileFilters.last(), QString("Lyrova playlist files (*.lpl) (*.[lL][pP][lL])"));
  QCOMPARE(dialogs_.fileSuffixes.last(), QString("lpl"));

  const std::vector<SongRowTexts> saved = {playlist_->RowTexts(0), playlist_->RowTexts(1), playlist_->RowTexts(2)};
  form_->Button2Click();
  dialogs_.openFiles.push_back(file);
  Click(form_->PictureButton(3));
  QCOMPARE(playlist_->RowCount(), 3);
  for (int r = 0; r < 3; ++r) QCOMPARE(playlist_->RowTexts(r), saved[r]);
  QVERIFY(playlist_->SelectedRows().empty());

  Click(form_->PictureButton(3));  // cancelled: nothing changes
  QCOMPARE(playlist_->RowCount(), 3);
  QVERIFY(dialogs_.messages.isEmpty());
}

void SongListsTest::loadRefusesOtherFilesAndReportsUnknownCodes() {
  SelectRows(catalogue_, {0});
  form_->Button1Click();
  const QString other = world_->ProgramDir() + "/other.lpl";
  {
    QFile f(other);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[Header]\r\nType=lyrova playlist\r\nVer=1\r\nItems=1\r\n[Content]\r\n0=0002,a,b,c,d\r\n");
  }
  dialogs_.openFiles.push_back(other);
  form_->LoadPlaylist();
  QCOMPARE(Column(playlist_, 0), QStringList{"0001"});
  QVERIFY(dialogs_.messages.isEmpty());

  const QString unknown = world_->ProgramDir() + "/unknown.lpl";
  {
    QFile f(unknown);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[Header]\r\nType=Lyrova playlist\r\nVer=1\r\nItems=4\r\n[Content]\r\n"
            "0=0002,a,b,c,d\r\n1=12,a b,c,d,e\r\n2=7777,a,b,c,d\r\n3=0025,a,b,c,d\r\n");
  }
  dialogs_.openFiles.push_back(unknown);
  form_->LoadPlaylist();
  QCOMPARE(Column(playlist_, 0), QStringList{"0002"});  // the rows before the unknown code stay
  QCOMPARE(dialogs_.messages.size(), 1);
  QVERIFY2(dialogs_.messages.first().contains("7777"), qPrintable(dialogs_.messages.first()));
}

void SongListsTest::handlerErrorsAreReportedAndTheProgramGoesOn() {
  form_->Session().removeEventFilter(recorder_.get());
  QCoreApplication::postEvent(&form_->Session(), new TMessageEvent(TMessage::PlaySong, 9999));
  QTRY_COMPARE(dialogs_.messages.size(), 1);
  form_->Session().installEventFilter(recorder_.get());
  QVERIFY(!form_->Engine()->SongPlaying());
  // The window still answers.
  form_->Edit1()->setText("Утро");
  form_->DoSearch();
  QCOMPARE(Column(catalogue_, 0), QStringList{"0025"});
}

void SongListsTest::configurationButtonShowsTheDialogWithTheOutputPorts() {
  bool modal = false;
  QStringList ports;
  QTimer::singleShot(0, this, [&] {
    modal = config_->isVisible() && QApplication::activeModalWidget() == config_.get();
    for (int i = 0; i < config_->ComboBox1()->count(); ++i) ports << config_->ComboBox1()->itemText(i);
    config_->reject();
  });
  playlist_->setFocus();
  QTRY_VERIFY(playlist_->hasFocus());
  Click(form_->PictureButton(8));
  QVERIFY(modal);
  // Back where it was once the dialog has gone.
  QTRY_VERIFY(playlist_->hasFocus());
  QCOMPARE(ports, QStringList{"FluidSynth software synthesizer"});
  QVERIFY(!config_->isVisible());
}

}  // namespace lyrova::test

QTEST_MAIN(lyrova::test::SongListsTest)
#include "song_lists_test.moc"
