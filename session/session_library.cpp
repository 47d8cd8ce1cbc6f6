// The song library in the session: its folder read in the background, and
// the catalogue list and the playlist following the songs it gives.

#include "session/karaoke_session.h"
#include "session/library_scan.h"

namespace lyrova {
namespace {

// A quiet reading shows its progress only when it takes long enough to be seen.
constexpr auto kQuietProgressAfter = std::chrono::milliseconds(300);
// Reading an unchanged folder of 10,000 files from its index takes a few
// tens of milliseconds; going to and fro between windows must not repeat it.
constexpr auto kRereadAfter = std::chrono::seconds(2);

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

bool TKaraokeSession::LibraryScanning() const { return scan_ && scan_->Running(); }

const std::string& TKaraokeSession::LibraryFolder() const {
  return LibraryScanning() ? scan_->Folder() : songs_.Library().folder;
}

void TKaraokeSession::ReadLibrary(const std::string& folder, bool quiet) {
  if (folder.empty()) {
    // No library (any more): a reading under way is left, its songs leave the lists.
    if (scan_) scan_->Stop();
    if (!songs_.Library().folder.empty()) LibraryScanned({});
    return;
  }
  if (!scan_) {
    scan_ = std::make_unique<TLibraryScan>(
        [this](int done, int total) {
          if (!quietScan_ || std::chrono::steady_clock::now() - scanStarted_ > kQuietProgressAfter)
            emit libraryProgress(done, total);
        },
        [this](SongLibrary library) { LibraryScanned(std::move(library)); }, this);
  }
  quietScan_ = quiet;
  scanStarted_ = std::chrono::steady_clock::now();
  if (!quiet) emit libraryProgress(0, 1);
  scan_->Start(folder);
}

void TKaraokeSession::LibraryFolderMayHaveChanged() {
  const std::string& folder = songs_.Library().folder;
  if (folder.empty() || LibraryScanning() || std::chrono::steady_clock::now() - libraryRead_ < kRereadAfter) return;
  ReadLibrary(folder, true);
}

void TKaraokeSession::LibraryScanned(SongLibrary library) {
  libraryRead_ = std::chrono::steady_clock::now();
  // Nothing changed: the lists, their order and selection stay as they are.
  if (SameSongs(library, songs_.Library())) {
    emit libraryRead(false);
    return;
  }
  emit songsAboutToChange();
  const std::string oldFolder = songs_.Library().folder;
  songs_.SetLibrary(std::move(library));
  FollowLibrary(oldFolder);
  emit libraryRead(true);
}

void TKaraokeSession::FollowLibrary(const std::string& oldFolder) {
  // Playlist rows of library songs stay with their files: codes move when
  // the folder's content changes, and another folder has other files.
  const bool sameFolder = oldFolder == songs_.Library().folder;
  std::vector<TSongEntry> rows;
  bool moved = false;
  for (const TSongEntry& entry : playlist_.Entries()) {
    if (entry.file.empty()) {
      rows.push_back(entry);
      continue;
    }
    const LibrarySong* song = sameFolder ? songs_.LibrarySongAt(entry.file) : nullptr;
    if (song) rows.push_back(LibraryEntryOf(*song));
    moved = moved || !song || !(rows.back() == entry);
  }
  if (moved) playlist_.SetEntries(std::move(rows));

  if (shownSearch_) {
    songs_.Search(shownSearch_->item, shownSearch_->query);
    catalog_.SetEntries(songs_.FoundEntries());
  } else {
    catalog_.SetEntries(songs_.Entries());
  }
}

}  // namespace lyrova
