// The song library in the main window: its folder read in the background,
// the catalogue view and the playlist following the songs it gives, and the
// list of the files that could not be read.

#include <unordered_map>

#include "app/window/library_bar.h"
#include "app/window/library_scan.h"
#include "app/window/main_window.h"
#include "app/window/song_view.h"
#include "app/window/user_dialogs.h"
#include "catalog/file_path.h"
#include "catalog/integer_text.h"

namespace lyrova {

bool TForm1::LibraryScanning() const { return libraryScan_ && libraryScan_->Running(); }

const std::string& TForm1::LibraryFolder() const {
  return LibraryScanning() ? libraryScan_->Folder() : songs_.Library().folder;
}

void TForm1::StartLibraryScan(const std::string& folder) {
  if (folder.empty()) {
    // No library (any more): its songs leave the views.
    if (!songs_.Library().folder.empty()) LibraryScanned({});
    return;
  }
  if (!libraryScan_) {
    libraryScan_ = std::make_unique<TLibraryScan>(
        [this](int done, int total) { libraryBar_->ShowProgress(done, total); },
        [this](SongLibrary library) { LibraryScanned(std::move(library)); }, this);
  }
  libraryBar_->ShowProgress(0, 1);
  libraryScan_->Start(folder);
}

void TForm1::LibraryScanned(SongLibrary library) {
  // Playlist rows of library songs stay with their files: codes move when
  // the folder's content changes.
  std::unordered_map<std::uint32_t, std::string> files;
  const SongLibrary& old = songs_.Library();
  for (const LibrarySong& s : old.songs) files.emplace(s.code, JoinPath(old.folder, s.file.path));
  songs_.SetLibrary(std::move(library));
  if (songs_.Library().folder.empty()) {
    libraryBar_->hide();
  } else {
    libraryBar_->ShowLibrary(songs_.Library());
  }

  if (!files.empty()) {
    std::vector<SongRowTexts> rows;
    for (int r = 0; r < listView2_->RowCount(); ++r) {
      SongRowTexts row = listView2_->RowTexts(r);
      const auto code = ParseInteger(row[0]);
      const auto file = code ? files.find(static_cast<std::uint32_t>(*code)) : files.end();
      if (file == files.end()) {
        rows.push_back(std::move(row));
      } else if (const LibrarySong* song = songs_.LibrarySongAt(file->second)) {
        rows.push_back(LibraryRowOf(*song));
      }
    }
    const int current = listView2_->CurrentRow();
    listView2_->clear();
    for (const SongRowTexts& row : rows) listView2_->AppendRow(row);
    listView2_->SetCurrentRow(std::min(current, listView2_->RowCount() - 1));
  }

  const int current = listView1_->CurrentRow();
  FillCatalogView();
  if (shownSearch_) {
    songs_.Search(shownSearch_->item, shownSearch_->query);
    ShowFoundSongs();
  } else if (current >= 0) {
    listView1_->SetCurrentRow(current);
  }
}

void TForm1::ShowUnreadFiles() { dialogs_.ShowMessage(UnreadFilesList(songs_.Library())); }

}  // namespace lyrova
