// The song rows' context menu: a song saved as a video or as its sound, on
// a worker thread, as the player plays and shows it at that moment.

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QSlider>
#include <algorithm>
#include <iterator>

#include "app/window/main_window.h"
#include "app/window/song_export_job.h"
#include "app/window/song_view.h"
#include "app/window/user_dialogs.h"
#include "config/file_filter.h"
#include "config/settings.h"
#include "video/settings_look.h"

namespace lyrova {
namespace {

// The video filters name the picture sizes, in the order of kVideoSizes.
constexpr char kVideoFilter[] = "Видео MP4, 1280 × 720|*.mp4|Видео MP4, 1920 × 1080|*.mp4";
constexpr QSize kVideoSizes[] = {{1280, 720}, {1920, 1080}};
constexpr char kSoundFilter[] = "Звук WAV|*.wav|Звук FLAC|*.flac";

}  // namespace

QMenu* TForm1::SongMenu(TSongView* view, int row) {
  auto* menu = new QMenu(view);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->addAction(QStringLiteral("Сохранить видео…"), this,
                  [this, view, row] { Guarded([&] { SaveSong(view, row, TExportKind::Video); }); });
  menu->addAction(QStringLiteral("Сохранить звук…"), this,
                  [this, view, row] { Guarded([&] { SaveSong(view, row, TExportKind::Sound); }); });
  return menu;
}

void TForm1::ShowSongMenu(TSongView* view, const QPoint& at) {
  // The menu key asks with no button held: the menu is the current row's.
  const bool fromKeyboard = QGuiApplication::mouseButtons() == Qt::NoButton;
  const QModelIndex index = fromKeyboard ? view->currentIndex() : view->indexAt(at);
  if (!index.isValid()) return;
  view->setCurrentIndex(index);
  const QPoint place = fromKeyboard ? view->visualRect(index).center() : at;
  SongMenu(view, index.row())->popup(view->viewport()->mapToGlobal(place));
}

void TForm1::SaveSong(TSongView* view, int row, TExportKind kind) {
  if (session_->Export() && session_->Export()->Running()) {
    dialogs_.ShowMessage(QStringLiteral("Песня уже сохраняется: дождитесь конца или отмените."));
    return;
  }
  const std::uint32_t code = view->Entry(row).code;
  const bool video = kind == TExportKind::Video;
  int filter = 0;
  const auto target =
      dialogs_.SaveFileName(QString(), QtFileFilter(QString::fromUtf8(video ? kVideoFilter : kSoundFilter)),
                            QString::fromLatin1(video ? "mp4" : "wav"), &filter);
  const bool replace = target && (!QFileInfo::exists(*target) ||
                                  dialogs_.Confirm(QStringLiteral("Файл \"%1\" уже есть. Заменить его?")
                                                       .arg(QDir::toNativeSeparators(*target))));
  ReturnFocus();
  if (!replace) return;
  const QSize size = kVideoSizes[std::clamp(filter, 0, static_cast<int>(std::size(kVideoSizes)) - 1)];
  SaveSongTo(code, kind, *target, size);
}

void TForm1::SaveSongTo(std::uint32_t code, TExportKind kind, const QString& target, QSize videoSize) {
  const TSettingsFile settings(SettingsPath(), ProgramFolder());
  // Read here, where the songs are: the worker needs no catalogue or folder.
  const TSongCollection& songs = session_->Songs();
  const std::optional<TSongRef> song = songs.Find(code);
  if (!song) return;
  const TSongEntry entry = songs.EntryOf(*song);
  TExportRequest request;
  request.song = songs.Load(*song);
  request.kind = kind;
  request.target = QFile::encodeName(target).toStdString();
  request.videoSize = videoSize;
  request.film = settings.VideoFile();
  // Played as the player plays it now.
  TPlaySettings& play = request.play;
  play.soundFont = SoundFontPath(settings);
  play.tempo = session_->TempoPosition();
  play.pitch = session_->KeyPosition();
  play.volume = session_->VolumePosition();
  play.melodyPercent = session_->MelodyPercent();
  request.lyricOffsetMs = settings.LyricOffsetMs();
  request.look = LookFromSettings();
  request.title = {code, entry.texts[1], entry.texts[2]};
  exportView_.reset();
  const bool started = session_->StartExport(target, [request = std::move(request)](const auto& progress, const auto& cancel) {
    return ExportSong(request, progress, cancel);
  });
  if (started) exportView_ = std::make_unique<TSongExportJob>(*session_->Export(), this);
}

}  // namespace lyrova
