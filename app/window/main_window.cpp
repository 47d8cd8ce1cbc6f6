#include "app/window/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QScreen>
#include <QSlider>
#include <QTimer>

#include "app/widgets/link_actions.h"
#include "app/window/dialog_adapters.h"
#include "app/window/library_scan.h"
#include "app/window/song_export_job.h"
#include "app/window/song_view.h"
#include "app/window/user_dialogs.h"
#include "app/window/window_messages.h"
#include "catalog/cp1251.h"
#include "program/version.h"
#include "translations/user_text_qt.h"
#include "resources/images/pictures.h"
#include "video/video_form.h"
#include "video/video_messages.h"

namespace lyrova {

namespace {

// The background of the window as the colour value 0xC8D0D4 (0x00BBGGRR).
const QColor kFormColor(0xD4, 0xD0, 0xC8);

}  // namespace

TForm1::TForm1(const TForm1Setup& setup, QWidget* parent)
    : QWidget(parent), setup_(setup), dialogs_(*setup.dialogs), songEnd_(this) {
  RegisterWindowMessages();
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
  BindShortcuts();
  resize(kClientWidth, kClientHeight);
  // The outer 800 x 600 of the window less its frame.
  setMinimumSize(kClientWidth, kClientHeight);

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

QWidget* TForm1::PictureButton(int number) const {
  return number >= 1 && number <= 9 ? images_[number] : nullptr;
}

std::string TForm1::ProgramFolder() const {
  const std::size_t slash = setup_.programPath.rfind('/');
  return slash == std::string::npos ? std::string("./") : setup_.programPath.substr(0, slash + 1);
}

void TForm1::ShowError(const std::exception& e) { dialogs_.ShowMessage(ErrorText(e)); }

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
  if (event->type() == QEvent::WindowActivate && started_) LibraryFolderMayHaveChanged();
  const int type = event->type();
  if (type >= static_cast<int>(TMessage::PlaySong) && type <= static_cast<int>(TMessage::Volume)) {
    Dispatch(*static_cast<const TMessageEvent*>(event));
    return true;
  }
  return QWidget::event(event);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit1_) {
    if (event->type() == QEvent::FocusOut) focusReturn_.Exited(edit1_);
    if (event->type() == QEvent::KeyPress) {
      bool consumed = false;
      Edit1KeyDown(static_cast<QKeyEvent*>(event), consumed);
      if (consumed) return true;
    }
  } else if (event->type() == QEvent::FocusIn &&
             (watched == trackBar1_ || watched == trackBar2_ || watched == trackBar3_)) {
    RetFocusEnter();
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace lyrova
