// The song rows' context menu: a song saved as a video or as its sound, on
// a worker thread, with the look of the settings and the sliders as they are.

#include <QFile>
#include <QMenu>
#include <QSlider>

#include "app/window/main_window.h"
#include "app/window/song_export_job.h"
#include "app/window/song_view.h"
#include "app/window/user_dialogs.h"
#include "catalog/integer_text.h"
#include "config/settings.h"

namespace lyrova {
namespace {

constexpr char kVideoFilter[] = "Видео MP4 (*.mp4)|*.MP4";
constexpr char kSoundFilter[] = "Звук WAV (*.wav)|*.WAV";

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
  const auto target = dialogs_.SaveFileName(QString(), QString::fromUtf8(video ? kVideoFilter : kSoundFilter),
                                            QString::fromLatin1(video ? "mp4" : "wav"));
  if (!target) return;
  SaveSongTo(static_cast<std::uint32_t>(*code), kind, *target);
}

void TForm1::SaveSongTo(std::uint32_t code, TExportKind kind, const QString& target) {
  const TSettingsFile settings(SettingsPath(), ProgramFolder());
  TExportRequest request;
  request.kind = kind;
  request.target = QFile::encodeName(target).toStdString();
  TRenderOptions& options = request.options;
  options.disc = settings.DiscFolder();
  options.library = settings.SongsFolder();
  options.soundFont = SoundFontPath(settings);
  options.film = settings.VideoFile();
  options.code = code;
  options.tempo = trackBar1_->value();
  options.pitch = trackBar2_->value();
  options.volume = trackBar3_->value();
  export_.reset();
  export_ = std::make_unique<TSongExportJob>(std::move(request), this, [this](const QString& text) {
    if (!text.isEmpty()) dialogs_.ShowMessage(text);
  });
}

}  // namespace lyrova
