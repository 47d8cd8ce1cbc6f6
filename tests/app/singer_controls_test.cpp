// The singer's controls on the whole program on the demo disc, with a silent
// audio output: the sliders' steps, the keyboard order of the controls.
// With LYROVA_SCREENSHOT_DIR set it also saves pictures of the main window.

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPainter>
#include <QProgressDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <memory>

#include "app/window/main_window.h"
#include "app/window/now_playing_line.h"
#include "app/window/song_export_job.h"
#include "app/window/song_view.h"
#include "config/ini_file.h"
#include "config/song_memory.h"
#include "playback/master_settings.h"
#include "resources/catalog/built_in_catalog.h"
#include "tests/app/message_recorder.h"
#include "tests/app/scripted_dialogs.h"
#include "video/video_form.h"

namespace lyrova::test {

namespace {

void SaveShot(const QImage& image, const char* name) {
  const QByteArray dir = qgetenv("LYROVA_SCREENSHOT_DIR");
  if (dir.isEmpty()) return;
  QVERIFY(image.save(QDir(QString::fromLocal8Bit(dir)).filePath(name)));
}

void TurnWheel(QWidget* widget, int notches) {
  const QPointF at = widget->rect().center();
  QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(widget, &wheel);
}

void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center()); }

// The value label over a slider.
QString ShownValue(const QSlider* bar) {
  return bar->parentWidget()->findChildren<QLabel*>().first()->text();
}

}  // namespace

class SingerControlsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void cleanupTestCase();

  void slidersMoveBySmallStepsAndShowTheirValues();
  void tabGoesRoundTheListsAndTheSearchPastTheSliders();
  void onlyTheLeftButtonsDoubleClickStartsASong();
  void pauseHoldsTheSongAndTheFilmAndResumesWhereTheyWere();
  void everyControlHasAShortcutNamedInItsHint();
  void theKeysWorkFromBothWindowsAndTheFocusComesBack();
  void guideMelodyIsChosenKeptAndFoundOnTheLead();
  void keyAndTempoComeBackForEachSongWhenAskedFor();
  void songsAreSavedFromTheirRowsAndACancelLeavesNoFile();

 private:
  QTemporaryDir programDir_;
  std::string settingsPath_;
  TScriptedDialogs dialogs_;
  std::unique_ptr<TForm1> form_;
};

void SingerControlsTest::initTestCase() {
  const std::string programPath = QFile::encodeName(programDir_.filePath("lyrova")).toStdString();
  settingsPath_ = programPath + ".ini";
  TIniFile settings(settingsPath_);
  settings.WriteString("Paths", "rMidiPath", DEMO_DISC_DIR "/");
  settings.WriteString("Paths", "VideoFile", DEMO_DISC_DIR "/rmoving.img");
  TForm1Setup setup;
  setup.dialogs = &dialogs_;
  setup.programPath = programPath;
  setup.catalog = BuiltInCatalog();
  setup.audio = TAudioMode::Silent;
  form_ = std::make_unique<TForm1>(setup);
  form_->show();
  QVERIFY(QTest::qWaitFor([&] { return form_->Started(); }, 10000));
  form_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(form_.get()));
  QVERIFY2(dialogs_.messages.isEmpty(), qPrintable(dialogs_.messages.join('\n')));
}

void SingerControlsTest::init() {
  form_->TrackBar1()->setValue(0);
  form_->TrackBar2()->setValue(0);
  form_->TrackBar3()->setValue(50);
}

void SingerControlsTest::cleanupTestCase() {
  form_->close();
  form_.reset();
}

void SingerControlsTest::slidersMoveBySmallStepsAndShowTheirValues() {
  struct Case {
    QSlider* bar;
    int start;
    int page;  // what one click on the groove moves
    QString startText;
    QString oneUpText;  // one step up from the start
  };
  const Case cases[] = {
      {form_->TrackBar1(), 0, 4, "100%", "102,5%"},
      {form_->TrackBar2(), 0, 1, "0", "+1"},
      {form_->TrackBar3(), 50, 5, "\u22127,5 дБ", "\u22127,1 дБ"},
  };
  for (const Case& c : cases) {
    QSlider* bar = c.bar;
    QCOMPARE(bar->value(), c.start);
    QCOMPARE(ShownValue(bar), c.startText);
    // A wheel notch away from the singer: one step up.
    TurnWheel(bar, 1);
    QCOMPARE(bar->value(), c.start - 1);
    QCOMPARE(ShownValue(bar), c.oneUpText);
    TurnWheel(bar, -2);
    QCOMPARE(bar->value(), c.start + 1);
    // The arrow keys, one step each, the way they point.
    QTest::keyClick(bar, Qt::Key_Up);
    QTest::keyClick(bar, Qt::Key_Up);
    QCOMPARE(bar->value(), c.start - 1);
    // A click on the groove near the top end moves one page, not to the end.
    const QPoint nearTop(bar->width() / 2, 3);
    QTest::mouseClick(bar, Qt::LeftButton, {}, nearTop);
    QCOMPARE(bar->value(), c.start - 1 - c.page);
    // Other buttons do not move it at all.
    QTest::mouseClick(bar, Qt::MiddleButton, {}, nearTop);
    QTest::mouseClick(bar, Qt::RightButton, {}, QPoint(bar->width() / 2, bar->height() - 3));
    QCOMPARE(bar->value(), c.start - 1 - c.page);
    // A double click brings it back to its resting place.
    QTest::mouseDClick(bar, Qt::LeftButton, {}, nearTop);
    QCOMPARE(bar->value(), c.start);
    QCOMPARE(ShownValue(bar), c.startText);
  }
  // The sliders still speak to the performance as before.
  form_->TrackBar1()->setValue(-4);
  QTRY_COMPARE(form_->Engine()->CurrentTempo(), TempoFactor(4));
}

void SingerControlsTest::tabGoesRoundTheListsAndTheSearchPastTheSliders() {
  TSongView* catalogue = form_->ListView1();
  catalogue->setFocus();
  QTRY_VERIFY(catalogue->hasFocus());
  const QWidget* checkedMode = form_->RadioGroup1()->checkedButton();
  const std::vector<const QWidget*> forward{form_->ListView2(), form_->Edit1(), checkedMode, catalogue};
  for (const QWidget* next : forward) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_COMPARE(QApplication::focusWidget(), next);
  }
  for (auto next = forward.rbegin() + 1; next != forward.rend(); ++next) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTRY_COMPARE(QApplication::focusWidget(), *next);
  }
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
  QTRY_COMPARE(QApplication::focusWidget(), catalogue);
}

void SingerControlsTest::onlyTheLeftButtonsDoubleClickStartsASong() {
  TMessageRecorder recorder(&form_->Session(), {TMessage::PlaySong});
  TSongView* catalogue = form_->ListView1();
  catalogue->SetCurrentRow(1);
  const QPoint onRow = catalogue->RowRect(1).center();
  for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton})
    QTest::mouseDClick(catalogue->viewport(), button, {}, onRow);
  QTest::qWait(20);
  QVERIFY(recorder.messages.empty());
  QTest::mouseDClick(catalogue->viewport(), Qt::LeftButton, {}, onRow);
  QTRY_COMPARE(recorder.WParams(TMessage::PlaySong).size(), std::size_t(1));
  QCOMPARE(QString::number(recorder.WParams(TMessage::PlaySong).front()).toInt(),
           QString::fromStdString(catalogue->RowTexts(1)[0]).toInt());
}

void SingerControlsTest::pauseHoldsTheSongAndTheFilmAndResumesWhereTheyWere() {
  TPlaybackEngine& engine = *form_->Engine();
  TSongView* catalogue = form_->ListView1();
  catalogue->SetCurrentRow(0);
  form_->ListView1DblClick();
  QVERIFY(QTest::qWaitFor([&] { return engine.SongPlaying() && engine.SongTime() > 0; }, 5000));
  QTest::qWait(300);

  Click(form_->PauseButton());
  QVERIFY(engine.Paused());
  QTest::qWait(300);  // what was rendered before the pause is heard by now
  const std::int32_t held = engine.SongTime();
  const QImage heldPicture = form_->VideoForm()->PresentedFrame();
  QTest::qWait(700);
  QCOMPARE(engine.SongTime(), held);
  QCOMPARE(form_->VideoForm()->PresentedFrame(), heldPicture);  // the film and the lyrics stand still
  form_->NowPlayingLine()->Refresh();
  const QString line = form_->NowPlayingLine()->text();
  QVERIFY2(line.startsWith("Пауза: 0001 Во поле берёза стояла"), qPrintable(line));
  SaveShot(form_->grab().toImage(), "main-window-playing.png");
  QVERIFY(engine.SongPlaying());

  Click(form_->PauseButton());
  QVERIFY(!engine.Paused());
  QVERIFY(QTest::qWaitFor([&] { return engine.SongTime() > held; }, 2000));
  // Resumed where it stood: not much more than the time since has passed.
  QVERIFY2(engine.SongTime() - held < 768 * 4, qPrintable(QString::number(engine.SongTime() - held)));

  // A stop while paused ends the pause and the song.
  Click(form_->PauseButton());
  form_->Button5Click();
  QVERIFY(QTest::qWaitFor([&] { return !engine.SongPlaying(); }, 3000));
  QVERIFY(!engine.Paused());
  QVERIFY(!engine.SetPaused(true));  // nothing plays: nothing to hold
  form_->NowPlayingLine()->Refresh();
  QVERIFY(form_->NowPlayingLine()->text().isEmpty());
}

void SingerControlsTest::everyControlHasAShortcutNamedInItsHint() {
  struct Case {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QSlider* bar;
    int moved;  // the slider's position after the key, from its resting place
    QWidget* hinted;
    QString hint;
  };
  const Case cases[] = {
      {Qt::Key_Up, Qt::AltModifier, form_->TrackBar2(), -1, form_->TrackBar2(), "Alt+↑"},
      {Qt::Key_Down, Qt::AltModifier, form_->TrackBar2(), 1, form_->TrackBar2(), "Alt+↓"},
      {Qt::Key_Right, Qt::AltModifier, form_->TrackBar1(), -1, form_->TrackBar1(), "Alt+→"},
      {Qt::Key_Left, Qt::AltModifier, form_->TrackBar1(), 1, form_->TrackBar1(), "Alt+←"},
      {Qt::Key_PageUp, Qt::AltModifier, form_->TrackBar3(), 49, form_->TrackBar3(), "Alt+PgUp"},
      {Qt::Key_PageDown, Qt::AltModifier, form_->TrackBar3(), 51, form_->TrackBar3(), "Alt+PgDn"},
  };
  // The same from either list and from the search box.
  for (QWidget* focus : std::initializer_list<QWidget*>{form_->ListView1(), form_->ListView2(), form_->Edit1()}) {
    for (const Case& c : cases) {
      init();
      focus->setFocus();
      QTRY_VERIFY(focus->hasFocus());
      QTest::keyClick(focus, c.key, c.modifiers);
      QCOMPARE(c.bar->value(), c.moved);
      QVERIFY2(c.hinted->toolTip().contains(c.hint), qPrintable(c.hinted->toolTip()));
      QVERIFY(focus->hasFocus());
    }
  }
  QTest::keyClick(form_->ListView1(), Qt::Key_F, Qt::ControlModifier);
  QTRY_VERIFY(form_->Edit1()->hasFocus());

  // Ctrl+N plays the playlist's next row, from the top when none played.
  TMessageRecorder recorder(&form_->Session(), {TMessage::PlaySong});
  form_->Button2Click();
  for (int row : {3, 4}) {
    form_->ListView1()->SetCurrentRow(row);
    form_->Button1Click();
  }
  QTest::keyClick(form_->ListView1(), Qt::Key_N, Qt::ControlModifier);
  QTRY_COMPARE(recorder.WParams(TMessage::PlaySong).size(), std::size_t(1));
  QCOMPARE(form_->ListView2()->CurrentRow(), 0);
  QTest::keyClick(form_->ListView1(), Qt::Key_N, Qt::ControlModifier);
  QTRY_COMPARE(form_->ListView2()->CurrentRow(), 1);
  QTest::keyClick(form_->ListView1(), Qt::Key_N, Qt::ControlModifier);  // no row after the last
  QTest::qWait(20);
  QCOMPARE(recorder.WParams(TMessage::PlaySong).size(), std::size_t(2));
  // Alt+Enter is the singer's full screen, not Enter's song.
  QTest::keyClick(form_->ListView1(), Qt::Key_Return, Qt::AltModifier);
  QTRY_VERIFY(form_->VideoForm()->isFullScreen());
  QTest::qWait(20);
  QCOMPARE(recorder.WParams(TMessage::PlaySong).size(), std::size_t(2));
  form_->VideoForm()->ToggleFullScreen();
  QTRY_VERIFY(!form_->VideoForm()->isFullScreen());
  form_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(form_.get()));
  form_->Button2Click();
  for (const char* hint : {"Ctrl+P", "Ctrl+."})
    QVERIFY(form_->PauseButton()->toolTip().contains(hint) || form_->PictureButton(5)->toolTip().contains(hint));
  QVERIFY(form_->PictureButton(7)->toolTip().contains("F11"));
}

void SingerControlsTest::theKeysWorkFromBothWindowsAndTheFocusComesBack() {
  TVideoForm* singer = form_->VideoForm();
  TSongView* catalogue = form_->ListView1();
  TMessageRecorder recorder(&form_->Session(), {TMessage::PlaySong});
  catalogue->setFocus();
  catalogue->SetCurrentRow(2);
  QTRY_VERIFY(catalogue->hasFocus());

  // The singer's window answers the main window's shortcuts.
  singer->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(singer));
  QTest::keyClick(singer, Qt::Key_Up, Qt::AltModifier);
  QTest::keyClick(singer, Qt::Key_Right, Qt::AltModifier);
  QCOMPARE(form_->TrackBar2()->value(), -1);
  QCOMPARE(form_->TrackBar1()->value(), -1);
  // ... and Enter starts the song chosen in the list.
  QTest::keyClick(singer, Qt::Key_Return);
  QTRY_COMPARE(recorder.WParams(TMessage::PlaySong).size(), std::size_t(1));
  QCOMPARE(static_cast<std::uint32_t>(recorder.WParams(TMessage::PlaySong).front()), catalogue->Entry(2).code);

  // The Video button brings the singer's window forward and leaves the keys here.
  form_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(form_.get()));
  Click(form_->PictureButton(7));
  QTest::qWait(50);
  QVERIFY(form_->isActiveWindow());
  QTRY_VERIFY(catalogue->hasFocus());

  // Full screen and back with Esc: the keys come back to the list.
  QTest::keyClick(catalogue, Qt::Key_F11);
  QTRY_VERIFY(singer->isFullScreen());
  singer->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(singer));
  QTest::keyClick(singer, Qt::Key_Escape);
  QTRY_VERIFY(!singer->isFullScreen());
  QVERIFY(QTest::qWaitForWindowActive(form_.get()));
  QTRY_VERIFY(catalogue->hasFocus());
  QTest::keyClick(catalogue, Qt::Key_Return);
  QTRY_COMPARE(recorder.WParams(TMessage::PlaySong).size(), std::size_t(2));
}

void SingerControlsTest::guideMelodyIsChosenKeptAndFoundOnTheLead() {
  QComboBox* melody = form_->MelodyBox();
  QCOMPARE(melody->currentData().toInt(), 100);  // full when the file says nothing
  QVERIFY(melody->toolTip().contains("Ctrl+M"));
  const auto stored = [&] { return TIniFile(settingsPath_).ReadString("Sound", "Melody", "none"); };
  QCOMPARE(stored(), std::string("none"));
  for (const char* percent : {"50", "0", "100"}) {
    QTest::keyClick(form_->ListView1(), Qt::Key_M, Qt::ControlModifier);
    QCOMPARE(stored(), std::string(percent));
    QCOMPARE(melody->currentData().toString(), QString(percent));
  }
  // The demo songs carry their tune on the first channel.
  form_->ListView1()->SetCurrentRow(0);
  form_->ListView1DblClick();
  QVERIFY(QTest::qWaitFor([&] { return form_->Engine()->SongPlaying(); }, 5000));
  QCOMPARE(form_->Engine()->MelodyChannel(), 0);
  form_->Button5Click();
  QVERIFY(QTest::qWaitFor([&] { return !form_->Engine()->SongPlaying(); }, 3000));
}

void SingerControlsTest::keyAndTempoComeBackForEachSongWhenAskedFor() {
  TPlaybackEngine& engine = *form_->Engine();
  const auto play = [&](int row) {
    form_->ListView1()->SetCurrentRow(row);
    form_->ListView1DblClick();
    QCoreApplication::sendPostedEvents(&form_->Session());  // the song starts now
    QVERIFY(QTest::qWaitFor([&] { return engine.SongPlaying(); }, 5000));
  };
  // Off by default: the sliders stay where the singer left them.
  play(0);
  form_->TrackBar2()->setValue(-2);
  play(1);
  QCOMPARE(form_->TrackBar2()->value(), -2);
  QVERIFY(!QFile::exists(QString::fromStdString(TSongMemory::PathBeside(settingsPath_))));

  TIniFile(settingsPath_).WriteString("Sound", "KeyAndTempoPerSong", "1");
  play(0);
  QCOMPARE(form_->TrackBar2()->value(), 0);  // nothing kept for it yet
  form_->TrackBar2()->setValue(-2);
  form_->TrackBar1()->setValue(-4);
  play(1);
  QCOMPARE(form_->TrackBar2()->value(), 0);
  QCOMPARE(form_->TrackBar1()->value(), 0);
  form_->TrackBar2()->setValue(3);
  play(0);
  QCOMPARE(form_->TrackBar2()->value(), -2);
  QCOMPARE(form_->TrackBar1()->value(), -4);
  QTRY_COMPARE(engine.CurrentTempo(), TempoFactor(4));
  play(1);
  QCOMPARE(form_->TrackBar2()->value(), 3);
  form_->Button5Click();
  QVERIFY(QTest::qWaitFor([&] { return !engine.SongPlaying(); }, 3000));
  TIniFile(settingsPath_).WriteString("Sound", "KeyAndTempoPerSong", "0");
}

void SingerControlsTest::songsAreSavedFromTheirRowsAndACancelLeavesNoFile() {
  TSongView* catalogue = form_->ListView1();
  QMenu* menu = form_->SongMenu(catalogue, 0);
  QStringList texts;
  for (const QAction* action : menu->actions()) texts << action->text();
  QCOMPARE(texts, QStringList({"Сохранить видео…", "Сохранить звук…"}));
  const QPoint at = catalogue->RowRect(0).center();
  menu->popup(catalogue->viewport()->mapToGlobal(at));
  QImage shot = form_->grab().toImage();
  {
    QPainter painter(&shot);
    painter.drawImage(form_->mapFromGlobal(menu->pos()), menu->grab().toImage());
  }
  SaveShot(shot, "main-window-song-menu.png");
  menu->close();
  // The menu key opens the current row's menu, wherever the mouse is.
  catalogue->SetCurrentRow(1);
  QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(5, 5), catalogue->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(catalogue->viewport(), &key);
  QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
  QCOMPARE(catalogue->CurrentRow(), 1);
  QApplication::activePopupWidget()->close();
  catalogue->SetCurrentRow(0);

  QTemporaryDir out;
  const QString wav = out.filePath("song.wav");
  const auto finished = [&] { return form_->SongExport() && !form_->SongExport()->Running(); };
  form_->SaveSongTo(1, TExportKind::Sound, wav);
  QVERIFY(form_->SongExport()->Dialog()->isVisible());
  QVERIFY(QTest::qWaitFor(finished, 60000));
  QVERIFY2(QFileInfo(wav).size() > 44 + 44100 * 4 * 10, qPrintable(QString::number(QFileInfo(wav).size())));
  QCOMPARE(dialogs_.messages.takeLast(), "Сохранено: " + wav);

  // Saved as it plays: with the guide melody off, the song saved is another.
  const QString noMelody = out.filePath("no-melody.wav");
  QComboBox* melody = form_->MelodyBox();
  const auto choose = [&](int percent) {
    melody->setCurrentIndex(melody->findData(percent));
    emit melody->activated(melody->currentIndex());
  };
  choose(0);
  form_->SaveSongTo(1, TExportKind::Sound, noMelody);
  QVERIFY(QTest::qWaitFor(finished, 60000));
  choose(100);
  QCOMPARE(dialogs_.messages.takeLast(), "Сохранено: " + noMelody);
  {
    QFile a(wav), b(noMelody);
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QVERIFY(a.readAll() != b.readAll());
  }
  QVERIFY(QFile::remove(noMelody));

  // A name ending in .flac saves the sound as FLAC, smaller than the WAV.
  const QString flac = out.filePath("song.FLAC");
  form_->SaveSongTo(1, TExportKind::Sound, flac);
  QVERIFY(QTest::qWaitFor(finished, 60000));
  QFile flacFile(flac);
  QVERIFY(flacFile.open(QIODevice::ReadOnly));
  QCOMPARE(flacFile.read(4), QByteArray("fLaC"));
  QVERIFY(flacFile.size() < QFileInfo(wav).size() * 8 / 10);
  QCOMPARE(dialogs_.messages.takeLast(), "Сохранено: " + flac);

  // Saving over a file asks first; No keeps it and saves nothing.
  const qint64 saved = QFileInfo(wav).size();
  dialogs_.saveFiles.push_back(wav);
  dialogs_.saveFilters.push_back(1);
  form_->SongMenu(catalogue, 0)->actions().first()->trigger();
  QVERIFY(dialogs_.fileFilters.last().contains("1920 × 1080"));
  QVERIFY(dialogs_.questions.last().contains("song.wav"));
  QVERIFY(!form_->SongExport()->Running());
  QCOMPARE(QFileInfo(wav).size(), saved);

  // A video cancelled half-way leaves neither it nor its scratch file.
  const QString mp4 = out.filePath("song.mp4");
  const auto files = [&] { return QDir(out.path()).entryList(QDir::Files | QDir::Hidden); };
  form_->SaveSongTo(1, TExportKind::Video, mp4);
  QVERIFY(QTest::qWaitFor([&] { return form_->SongExport()->Dialog()->value() > 150; }, 60000));
  QCOMPARE(files().size(), 3);
  QVERIFY(!QFile::exists(mp4));
  form_->SongExport()->Dialog()->cancel();
  QVERIFY(QTest::qWaitFor(finished, 10000));
  QVERIFY2(dialogs_.messages.isEmpty(), qPrintable(dialogs_.messages.join('\n')));
  QCOMPARE(files(), QStringList({"song.FLAC", "song.wav"}));
}

}  // namespace lyrova::test

QTEST_MAIN(lyrova::test::SingerControlsTest)
#include "singer_controls_test.moc"
