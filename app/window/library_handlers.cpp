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

void TForm1::StartLibraryScan(const std::string& folder, bool quiet) {
  if (folder.empty()) {
    // No library (any more): its songs leave the views.
    if (!songs_.Library().folder.empty()) LibraryScanned({});
    return;
  }
  if (!libraryScan_) {
    libraryScan_ = std::make_unique<TLibraryScan>(
        [this](int done, int total) {
          // A quiet look shows its progress only when it takes long enough to be seen.
          constexpr auto kShownAfter = std::chrono::milliseconds(300);
          if (!quietScan_ || std::chrono::steady_clock::now() - libraryScanStarted_ > kShownAfter)
            libraryBar_->ShowProgress(done, total);
        },
        [this](SongLibrary library) { LibraryScanned(std::move(library)); }, this);
  }
  quietScan_ = quiet;
  libraryScanStarted_ = std::chrono::steady_clock::now();
  if (!quiet) libraryBar_->ShowProgress(0, 1);
  libraryScan_->Start(folder);
}

void TForm1::LibraryFolderMayHaveChanged() {
  // Reading an unchanged folder of 10,000 files from its index takes a few
  // tens of milliseconds; going to and fro between windows must not repeat it.
  constexpr auto kRereadAfter = std::chrono::seconds(2);
  const std::string& folder = songs_.Library().folder;
  if (folder.empty() || LibraryScanning() || std::chrono::steady_clock::now() - libraryRead_ < kRereadAfter) return;
  StartLibraryScan(folder, true);
}

namespace {

bool SameSongs(const SongLibrary& a, const SongLibrary& b) {
  if (a.folder != b.folder || a.songs.size() != b.songs.size() || a.broken.size() != b.broken.size()) return false;
  for (std::size_t i = 0; i < a.songs.size(); ++i) {
    if (!(a.songs[i].file == b.songs[i].file)) return false;
  }
  for (std::size_t i = 0; i < a.broken.size(); ++i) {
    if (a.broken[i].path != b.broken[i].path) return false;
  }
  return true;
}

}  // namespace

void TForm1::LibraryScanned(SongLibrary library) {
  libraryRead_ = std::chrono::steady_clock::now();
  // Nothing changed: the views, their order and selection stay as they are.
  if (SameSongs(library, songs_.Library())) {
    libraryBar_->ShowLibrary(songs_.Library());
    return;
  }
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
