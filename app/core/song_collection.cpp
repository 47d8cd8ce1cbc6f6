#include "app/core/song_collection.h"

#include <filesystem>

#include "app/core/search_dispatch.h"
#include "app/core/song_row.h"
#include "catalog/cp1251.h"
#include "catalog/file_path.h"
#include "catalog/integer_text.h"
#include "catalog/karaoke_file.h"
#include "catalog/library_search.h"
#include "catalog/songs_catalog.h"

namespace lyrova {

SongRowTexts LibraryRowOf(const LibrarySong& song) {
  const KaraokeFields& f = song.fields;
  return {FormatSongCode(song.code), f.title, f.singer, f.musicAuthor, f.lyricAuthor};
}

void TSongCollection::SetLibrary(SongLibrary library) {
  library_ = std::move(library);
  ClearLibrarySearch(library_);
}

std::vector<SongRowTexts> TSongCollection::Rows() const {
  std::vector<SongRowTexts> rows;
  rows.reserve(disc_.Count() + library_.songs.size());
  for (int i = 0; i < disc_.Count(); ++i) rows.push_back(SongRowOf(disc_.Record(i)));
  for (const LibrarySong& s : library_.songs) rows.push_back(LibraryRowOf(s));
  return rows;
}

std::vector<SongRowTexts> TSongCollection::FoundRows() const {
  std::vector<SongRowTexts> rows;
  for (int i = 0; i < disc_.Count(); ++i) {
    if (disc_.Record(i).Found) rows.push_back(SongRowOf(disc_.Record(i)));
  }
  for (const LibrarySong& s : library_.songs) {
    if (s.found) rows.push_back(LibraryRowOf(s));
  }
  return rows;
}

bool TSongCollection::Search(int item, const std::string& query) {
  if (!RunSearch(disc_, item, Utf8ToCp1251(query))) return false;
  switch (static_cast<TSearchMode>(item)) {
    case TSearchMode::Code:
      // RunSearch has read the number already.
      SearchLibraryCode(library_, static_cast<std::uint32_t>(*ParseInteger(query)), true);
      break;
    case TSearchMode::Name: SearchLibraryField(library_, &KaraokeFields::title, query); break;
    case TSearchMode::Singer: SearchLibraryField(library_, &KaraokeFields::singer, query); break;
    case TSearchMode::Music: SearchLibraryField(library_, &KaraokeFields::musicAuthor, query); break;
    case TSearchMode::Lyric: SearchLibraryField(library_, &KaraokeFields::lyricAuthor, query); break;
    case TSearchMode::FullText: SearchLibraryWords(library_, query); break;
  }
  return true;
}

std::optional<SongRowTexts> TSongCollection::FindCode(std::uint32_t code) {
  const int disc = disc_.SearchByOstrelCode(code, true);
  const int library = SearchLibraryCode(library_, code, true);
  // The library's songs come after the disc's: the last with the code is theirs.
  if (library >= 0) return LibraryRowOf(library_.songs[library]);
  if (disc >= 0) return SongRowOf(disc_.Record(disc));
  return std::nullopt;
}

const LibrarySong* TSongCollection::LibrarySongOf(std::uint32_t code) const {
  const LibrarySong* found = nullptr;
  for (const LibrarySong& s : library_.songs) {
    if (s.code == code) found = &s;
  }
  return found;
}

const LibrarySong* TSongCollection::LibrarySongAt(const std::string& path) const {
  if (library_.folder.empty() || path.empty()) return nullptr;
  std::string relative = path;
  if (path.front() == '/') {
    const std::string folder = JoinPath(library_.folder, "");
    if (path.compare(0, folder.size(), folder) != 0) return nullptr;
    relative = path.substr(folder.size());
  }
  for (const LibrarySong& s : library_.songs) {
    if (s.file.path == relative) return &s;
  }
  return nullptr;
}

std::optional<TSongData> TSongCollection::LoadSong(std::uint32_t code) {
  const int disc = disc_.SearchByOstrelCode(code, true);
  return Read(disc, SearchLibraryCode(library_, code, true));
}

std::optional<TSongData> TSongCollection::SongData(std::uint32_t code) {
  const int disc = disc_.SearchByOstrelCode(code, false);
  return Read(disc, SearchLibraryCode(library_, code, false));
}

std::optional<TSongData> TSongCollection::Read(int disc, int library) {
  if (library < 0) {
    if (disc < 0) return std::nullopt;
    return ReadDiscSong(disc_, disc);
  }
  const LibrarySong& song = library_.songs[library];
  const std::string path = JoinPath(library_.folder, song.file.path);
  std::vector<std::uint8_t> bytes;
  try {
    bytes = LibrarySongBytes(library_, song);
  } catch (const Error& e) {
    throw Error(UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "Cannot read the song file \"%1\": %2"), {UserText::Plain(path), e.Text()}));
  }
  KaraokeReadResult read = ReadKaraokeFile(bytes, std::filesystem::path(song.file.path).filename().string());
  if (!read.ok)
    throw Error(UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "The song file \"%1\" can no longer be read: %2."),
                         {UserText::Plain(path), UserText::Plain(read.reason)}));
  return LibrarySongData(std::move(bytes), read.song);
}

}  // namespace lyrova
