#include "app/window/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QScreen>
#include <QSlider>
#include <QTimer>

#include "app/widgets/link_actions.h"
#include "app/window/dialog_adapters.h"
#include "app/window/library_bar.h"
#include "app/window/song_export_job.h"
#include "app/window/song_view.h"
#include "app/window/timing_log.h"
#include "app/window/user_dialogs.h"
#include "catalog/cp1251.h"
#include "config/settings_path.h"
#include "program/version.h"
#include "translations/user_text_qt.h"
#include "resources/images/pictures.h"
#include "session/song_player.h"
#include "video/video_form.h"
#include "video/video_messages.h"

namespace lyrova {

namespace {

// The background of the window as the colour value 0xC8D0D4 (0x00BBGGRR).
const QColor kFormColor(0xD4, 0xD0, 0xC8);

}  // namespace

TForm1::TForm1(const TForm1Setup& setup, QWidget* parent)
    : QWidget(parent), setup_(setup), dialogs_(*setup.dialogs) {
  session_ = std::make_unique<TKaraokeSession>(TSessionSetup{SettingsPath(), ProgramFolder()});
  shell_ = std::make_unique<TFormShell>(dialogs_);
  setWindowTitle(QString::fromUtf8(ProgramTitle()) + QLatin1Char(' ') + QString::fromLatin1(kHomePageHost));
  setWindowIcon(ProgramIcon());
  QPalette colours = palette();
  colours.setColor(QPalette::Window, kFormColor);
  setPalette(colours);
  setAutoFillBackground(true);
  // The small type the window was laid out for: the search choices and the
  // playlist columns fit the narrow right column with it.
  setFont(QFont(QStringLiteral("Arial"), 8));
  BuildWindow();
  BindShortcuts(this);
  AddShortcutHints();
  resize(kClientWidth, kClientHeight);
  // The outer 800 x 600 of the window less its frame.
  setMinimumSize(kClientWidth, kClientHeight);
  ConnectSession();

  connect(listView1_, &TSongView::dblClick, this, &TForm1::ListView1DblClick);
  connect(listView2_, &TSongView::dblClick, this, &TForm1::ListView2DblClick);
  connect(listView1_, &TSongView::keyDown, this, &TForm1::ListView1KeyDown);
  connect(listView2_, &TSongView::keyDown, this, &TForm1::ListView2KeyDown);
  for (TSongView* view : {listView1_, listView2_}) {
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint& at) { ShowSongMenu(view, at); });
    connect(view, &TSongView::exited, this, [this, view] { focusReturn_.Exited(view); });
    connect(view->header(), &QHeaderView::sectionClicked, this,
            [this, view](int column) { ListView1ColumnClick(view, column); });
  }
}

TForm1::~TForm1() { FormClose(); }

void TForm1::ConnectSession() {
  TKaraokeSession& s = *session_;
  listView1_->SetSongs(&s.Catalog());
  listView2_->SetSongs(&s.Playlist());
  connect(&s, &TKaraokeSession::failed, this, [this](const UserText& text) { Report(Translated(text)); });
  connect(&s, &TKaraokeSession::controlsChanged, this, &TForm1::ShowControls);
  connect(&s, &TKaraokeSession::playlistRowChosen, listView2_, &TSongView::SetCurrentRow);
  connect(&s, &TKaraokeSession::songStarting, this, [this](const TNowPlaying& song) {
    if (video_) video_->SongStarting(TSongTitle{song.code, song.title, song.singer});
    LogTicks("song-start");
  });
  connect(&s, &TKaraokeSession::songEnded, this, [this] { LogTicks("song-end"); });
  // The film stands still while the song does, and goes on with a new one.
  connect(&s, &TKaraokeSession::playingChanged, this, [this] {
    if (video_) video_->SetFilmPaused(session_->Paused());
  });
  connect(&s, &TKaraokeSession::libraryProgress, libraryBar_, &TLibraryBar::ShowProgress);
  connect(&s, &TKaraokeSession::songsAboutToChange, this, [this] {
    catalogRowBefore_ = listView1_->CurrentRow();
    playlistRowBefore_ = listView2_->CurrentRow();
  });
  connect(&s, &TKaraokeSession::libraryRead, this, &TForm1::ShowLibraryRead);
  connect(&s, &TKaraokeSession::exportFinished, this, [this](const QString& text) {
    if (!text.isEmpty()) dialogs_.ShowMessage(text);
  });
}

QWidget* TForm1::PictureButton(int number) const {
  return number >= 1 && number <= 9 ? images_[number] : nullptr;
}

std::string TForm1::ProgramFolder() const {
  const std::size_t slash = setup_.programPath.rfind('/');
  return slash == std::string::npos ? std::string("./") : setup_.programPath.substr(0, slash + 1);
}

std::string TForm1::SettingsPath() const { return SettingsFilePath(setup_.programPath); }

void TForm1::ShowError(const std::exception& e) { Report(ErrorText(e)); }

void TForm1::Report(const QString& text) {
  dialogs_.ShowMessage(text);
  ReturnFocus();
}

void TForm1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shown_) return;
  shown_ = true;
  if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
  // Start-up shows its own dialogs, so it runs once the window is on screen.
  QTimer::singleShot(0, this, &TForm1::FormShow);
}

void TForm1::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
  emit programEnded();
}

bool TForm1::event(QEvent* event) {
  if (event->type() == kWMBadVidFile) {
    const auto* bad = static_cast<const TBadVidFileEvent*>(event);
    Guarded([&] { WMBadVidFile(bad->File(), bad->Reason()); });
    return true;
  }
  // Back in the player, perhaps after copying songs: the library looks again.
  if (event->type() == QEvent::WindowActivate && started_) session_->LibraryFolderMayHaveChanged();
  return QWidget::event(event);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (video_ && watched == video_.get()) return VideoFormEvent(event) || QWidget::eventFilter(watched, event);
  if (watched == edit1_) {
    if (event->type() == QEvent::FocusOut) focusReturn_.Exited(edit1_);
    if (event->type() == QEvent::KeyPress) {
      bool consumed = false;
      Edit1KeyDown(static_cast<QKeyEvent*>(event), consumed);
      if (consumed) return true;
    }
  } else if (watched == trackBar1_ || watched == trackBar2_ || watched == trackBar3_) {
    // A slider keeps the focus a click gave it, so the arrows move it; the
    // focus coming any other way goes back to the list.
    if (event->type() == QEvent::FocusIn && static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason)
      RetFocusEnter();
    // Enter and Delete act on the list left last, as they did before the click.
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Delete || key == Qt::Key_Escape) {
        RetFocusEnter();
        if (key != Qt::Key_Escape) {
          if (QWidget* list = QApplication::focusWidget(); list && list != watched)
            QCoreApplication::sendEvent(list, event);
        }
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TForm1::LogTicks(const char* event) const {
  if (!engine_) return;
  const TPlaybackEngine::TTickCount ticks = engine_->TickCount();
  LogTiming(event, "ticks " + std::to_string(ticks.cycles) + " late " + std::to_string(ticks.late));
}

}  // namespace lyrova
