// Saving the playlist to a .lpl file and loading one back, from the save and
// load picture buttons.

#include <QFile>

#include "app/window/main_window.h"
#include "app/window/user_dialogs.h"
#include "config/file_filter.h"

namespace lyrova {

namespace {

// Playlists are found whatever the letter case of their extension.
const QString kPlaylistFilter = QtFileFilter(QStringLiteral("Lyrova playlist files (*.lpl)|*.LPL"));
const QString kPlaylistSuffix = QStringLiteral("lpl");

}  // namespace

void TForm1::SavePlaylist() {
  if (session_->Playlist().Count() == 0) return;
  const auto path = dialogs_.SaveFileName(QString(), kPlaylistFilter, kPlaylistSuffix);
  ReturnFocus();
  if (path) Guarded([&] { session_->SavePlaylist(QFile::encodeName(*path).toStdString()); });
}

void TForm1::LoadPlaylist() {
  const auto path = dialogs_.OpenFileName(QString(), kPlaylistFilter, kPlaylistSuffix, QString());
  ReturnFocus();
  if (path) Guarded([&] { session_->LoadPlaylist(QFile::encodeName(*path).toStdString()); });
}

}  // namespace lyrova
