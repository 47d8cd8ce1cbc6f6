// Start-up: the song image is found and checked, the catalogue, the singer's
// window and the synthesizer are brought up and the look is read; then the
// threads start.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/window/main_window.h"
#include "app/window/song_view.h"
#include "app/window/timing_log.h"
#include "app/window/user_dialogs.h"
#include "catalog/cache_folder.h"
#include "catalog/catalog_errors.h"
#include "catalog/cp1251.h"
#include "translations/user_text_qt.h"
#include "catalog/disc_catalog.h"
#include "catalog/file_path.h"
#include "config/config_dialog.h"
#include "config/settings.h"
#include "session/disc_image.h"
#include "session/engine_player.h"
#include "video/video_form.h"

namespace lyrova {

namespace {

constexpr char kBadImageText[] = QT_TRANSLATE_NOOP("lyrova::TForm1", "Invalid or unknown version rmidi.img");
constexpr char kFolderPrompt[] =
    "Укажите путь к файлам с диска Караоке (версия 3)\r\nили выберите Отмена чтобы завершить программу.";
constexpr char kGiveUpQuestion[] = "Файлы необходимые для работы приложения не найдены! Завершить программу?";

constexpr char kNoImageNotice[] = "В папке %1 нет файла rmidi.img.";

std::string WithSeparator(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

// The process's current folder: where the image is looked for once the
// configured folder held an image of the wrong size.
std::string CurrentFolder() { return WithSeparator(QFile::encodeName(QDir::currentPath()).toStdString()); }

}  // namespace

QString TForm1::DemoDiscFolder() const {
  // The build writes the demo disc beside the program; a package installs
  // it among the program's shared data.
  const QString folder = QFile::decodeName(QByteArray::fromStdString(ProgramFolder()));
  for (const QString& candidate : {folder, folder + QStringLiteral("../share/lyrova/demo/")}) {
    if (QFileInfo::exists(candidate + QLatin1String(kDiscImageName))) return QDir::cleanPath(candidate) + QLatin1Char('/');
  }
  return {};
}

void TForm1::FormShow() {
  bool started = false;
  try {
    started = AppInit();
  } catch (const std::exception& e) {
    // An unreadable settings file: the program cannot know its disc.
    ShowError(e);
  }
  if (!started) {
    emit programEnded();
    return;
  }
  Guarded([&] {
    for (const std::string& port : engine_->EnumPorts()) {
      if (config_) config_->AddPortName(QString::fromStdString(port));
    }
    video_->show();
    engine_->StartThreads(*video_);
    started_ = true;
  });
}

TForm1::TImageCheck TForm1::AcceptImage(std::string& folder) {
  if (folder.empty()) folder = CurrentFolder();
  for (;;) {
    const TDiscImage image = CheckDiscImage(folder);
    if (image == TDiscImage::Accepted) return TImageCheck::Accepted;
    if (image == TDiscImage::WrongVersion) return TImageCheck::WrongVersion;
    if (image == TDiscImage::WrongSize) {
      dialogs_.ShowMessage(tr(kBadImageText));
      // The current folder is tried next, once: a wrong image there would
      // otherwise bring the same message back without end.
      if (folder != CurrentFolder()) {
        folder = CurrentFolder();
        continue;
      }
    }
    const QString start = QFile::decodeName(QByteArray::fromStdString(folder));
    const QString notice = image == TDiscImage::Missing ? QString::fromUtf8(kNoImageNotice).arg(start) : QString();
    if (auto chosen = dialogs_.ChooseFolder(QString::fromUtf8(kFolderPrompt), start, notice, DemoDiscFolder())) {
      folder = WithSeparator(QFile::encodeName(*chosen).toStdString());
      continue;
    }
    if (dialogs_.Confirm(QString::fromUtf8(kGiveUpQuestion))) return TImageCheck::GaveUp;
  }
}

bool TForm1::AppInit() {
  TSettingsFile settings(SettingsPath(), ProgramFolder());
  std::string folder = settings.DiscFolder();
  const TImageCheck check = AcceptImage(folder);
  if (check == TImageCheck::GaveUp) return false;
  if (check == TImageCheck::Accepted) {
    Guarded([&] {
      const DiscCatalogResult loaded =
          LoadDiscCatalog(session_->SongsCatalog(), folder, setup_.catalog, UserCacheFolder());
      if (loaded.source == DiscCatalogSource::NoImage) {
        dialogs_.ShowMessage(QCoreApplication::translate(UserText::kContext, kImageNotFoundText));
        emit programEnded();
      } else if (loaded.source == DiscCatalogSource::MissingTable) {
        // The folder as the file system spells it, whatever the code page holds.
        dialogs_.ShowMessage(Translated(MissingTableText(folder)));
      }
    });
    Guarded([&] { settings.SetDiscFolder(folder); });
  } else {
    dialogs_.ShowMessage(tr(kBadImageText));
  }

  sortColumn_ = 0;
  LogPaintedRows(listView1_->viewport(), [this] { return listView1_->RowCount(); });
  session_->ShowAllSongs();
  FitCatalogColumns();
  listView1_->SetCurrentRow(0);
  // The library's songs join the view when read, while the rest starts.
  session_->ReadLibrary(settings.SongsFolder());

  CreateVideoForm();
  engine_ = std::make_unique<TPlaybackEngine>(session_->Songs(), *video_, session_->SongEndTarget());
  try {
    engine_->DMInit(SoundFontPath(settings), setup_.audio, settings.SoundLatencyMs());
    engine_->SetLyricOffsetMs(settings.LyricOffsetMs());
    player_ = std::make_unique<TEnginePlayer>(*engine_);
    session_->AttachPlayer(player_.get());
  } catch (const std::exception& e) {
    ShowError(e);
    return false;
  }

  if (auto failure = ReadLookSettings(settings.Ini(), Settings())) ShowError(*failure);
  listView1_->setFocus(Qt::OtherFocusReason);
  return true;
}

void TForm1::CreateVideoForm() {
  video_ = std::make_unique<TVideoForm>(this, SettingsPath());
  connect(video_.get(), &TVideoForm::MainWindowWanted, this, [this] {
    raise();
    ReturnFocus();
  });
  video_->installEventFilter(this);
  BindShortcuts(video_.get());
}

std::string TForm1::SoundFontPath(const TSettingsFile& settings) const {
  const std::string chosen = settings.SoundFont();
  return chosen.empty() ? TPlaybackEngine::DefaultSoundFont() : chosen;
}

}  // namespace lyrova
