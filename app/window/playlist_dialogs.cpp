// Saving the playlist to a .lpl file and loading one back, from the save and
// load picture buttons.

#include <QFile>

#include "app/core/playlist_file.h"
#include "app/window/main_window.h"
#include "app/window/song_view.h"
#include "app/window/user_dialogs.h"
#include "config/file_filter.h"

namespace lyrova {

namespace {

// Playlists are found whatever the letter case of their extension.
const QString kPlaylistFilter = QtFileFilter(QStringLiteral("Lyrova playlist files (*.lpl)|*.LPL"));
const QString kPlaylistSuffix = QStringLiteral("lpl");

}  // namespace

void TForm1::SavePlaylist() {
  if (listView2_->RowCount() == 0) return;
  const auto path = dialogs_.SaveFileName(QString(), kPlaylistFilter, kPlaylistSuffix);
  if (!path) return;
  Guarded([&] {
    std::vector<PlaylistRow> rows;
    for (int r = 0; r < listView2_->RowCount(); ++r) rows.push_back(listView2_->RowTexts(r));
    SavePlaylistFile(QFile::encodeName(*path).toStdString(), rows, &songs_);
  });
}

void TForm1::LoadPlaylist() {
  const auto path = dialogs_.OpenFileName(QString(), kPlaylistFilter, kPlaylistSuffix, QString());
  if (!path) return;
  std::vector<PlaylistRow> rows;
  for (int r = 0; r < listView2_->RowCount(); ++r) rows.push_back(listView2_->RowTexts(r));
  const auto showRows = [&] {
    listView2_->clear();
    for (const PlaylistRow& row : rows) listView2_->AppendRow(row);
  };
  try {
    if (LoadPlaylistFile(QFile::encodeName(*path).toStdString(), songs_, rows) == PlaylistLoad::kLoaded)
      showRows();
  } catch (const std::exception& e) {
    // The rows read before the faulty entry stay, as the file had them.
    showRows();
    ShowError(e);
  }
}

}  // namespace lyrova
