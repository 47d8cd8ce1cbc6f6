// The song rows' context menu: a song saved as a video or as its sound, on
// a worker thread, as the player plays and shows it at that moment.

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QSlider>
#include <algorithm>
#include <iterator>

#include "app/window/main_window.h"
#include "app/window/song_export_job.h"
#include "app/window/song_view.h"
#include "app/window/user_dialogs.h"
#include "catalog/integer_text.h"
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
  QTreeWidgetItem* item = view->itemAt(at);
  if (!item) return;
  const int row = view->indexOfTopLevelItem(item);
  view->setCurrentItem(item);
  SongMenu(view, row)->popup(view->viewport()->mapToGlobal(at));
}

void TForm1::SaveSong(TSongView* view, int row, TExportKind kind) {
  if (export_ && export_->Running()) {
    dialogs_.ShowMessage(QStringLiteral("Песня уже сохраняется: дождитесь конца или отмените."));
    return;
  }
  const auto code = ParseInteger(view->RowTexts(row)[0]);
  if (!code) return;
  const bool video = kind == TExportKind::Video;
  int filter = 0;
  const auto target =
      dialogs_.SaveFileName(QString(), QtFileFilter(QString::fromUtf8(video ? kVideoFilter : kSoundFilter)),
                            QString::fromLatin1(video ? "mp4" : "wav"), &filter);
  if (!target) return;
  if (QFileInfo::exists(*target) &&
      !dialogs_.Confirm(QStringLiteral("Файл \"%1\" уже есть. Заменить его?").arg(QDir::toNativeSeparators(*target))))
    return;
  const QSize size = kVideoSizes[std::clamp(filter, 0, static_cast<int>(std::size(kVideoSizes)) - 1)];
  SaveSongTo(static_cast<std::uint32_t>(*code), kind, *target, size);
}

void TForm1::SaveSongTo(std::uint32_t code, TExportKind kind, const QString& target, QSize videoSize) {
  const TSettingsFile settings(SettingsPath(), ProgramFolder());
  // Read here, where the songs are: the worker needs no catalogue or folder.
  std::optional<TSongData> song = songs_.SongData(code);
  if (!song) return;
  TExportRequest request;
  request.song = std::move(*song);
  request.kind = kind;
  request.target = QFile::encodeName(target).toStdString();
  request.videoSize = videoSize;
  request.film = settings.VideoFile();
  TPlaySettings& play = request.play;
  play.soundFont = SoundFontPath(settings);
  play.tempo = trackBar1_->value();
  play.pitch = trackBar2_->value();
  play.volume = trackBar3_->value();
  play.melodyPercent = melody_->currentData().toInt();
  request.lyricOffsetMs = settings.LyricOffsetMs();
  request.look = LookFromSettings();
  request.title = TitleOf(code);
  export_.reset();
  export_ = std::make_unique<TSongExportJob>(std::move(request), this, [this](const QString& text) {
    if (!text.isEmpty()) dialogs_.ShowMessage(text);
  });
}

}  // namespace lyrova
