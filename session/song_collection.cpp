#include "session/song_collection.h"

#include <filesystem>

#include "catalog/cp1251.h"
#include "catalog/errors.h"
#include "catalog/file_path.h"
#include "catalog/integer_text.h"
#include "catalog/karaoke_file.h"
#include "catalog/library_search.h"
#include "catalog/songs_catalog.h"
#include "session/search_dispatch.h"
#include "session/song_row.h"

namespace lyrova {
namespace {

TSongEntry DiscEntryOf(const TSongHeader& song) { return {song.Code, SongRowOf(song), {}}; }

}  // namespace

TSongEntry LibraryEntryOf(const LibrarySong& song) {
  const KaraokeFields& f = song.fields;
  return {song.code, {FormatSongCode(song.code), f.title, f.singer, f.musicAuthor, f.lyricAuthor}, song.file.path};
}

void TSongCollection::SetLibrary(SongLibrary library) {
  library_ = std::move(library);
  ClearLibrarySearch(library_);
}

std::vector<TSongEntry> TSongCollection::Entries() const {
  std::vector<TSongEntry> entries;
  entries.reserve(disc_.Count() + library_.songs.size());
  for (int i = 0; i < disc_.Count(); ++i) entries.push_back(DiscEntryOf(disc_.Record(i)));
  for (const LibrarySong& s : library_.songs) entries.push_back(LibraryEntryOf(s));
  return entries;
}

std::vector<TSongEntry> TSongCollection::FoundEntries(std::size_t first, std::size_t count) const {
  std::vector<TSongEntry> entries;
  std::size_t index = 0;
  // Only the songs of the page are made into entries: a page of a search
  // that found every song costs no more than the search.
  const auto take = [&](const auto& make) {
    if (index++ >= first && entries.size() < count) entries.push_back(make());
  };
  for (int i = 0; i < disc_.Count(); ++i) {
    if (disc_.Record(i).Found) take([&] { return DiscEntryOf(disc_.Record(i)); });
  }
  for (const LibrarySong& s : library_.songs) {
    if (s.found) take([&] { return LibraryEntryOf(s); });
  }
  return entries;
}

std::size_t TSongCollection::FoundCount() const {
  std::size_t count = 0;
  for (int i = 0; i < disc_.Count(); ++i) count += disc_.Record(i).Found ? 1 : 0;
  for (const LibrarySong& s : library_.songs) count += s.found ? 1 : 0;
  return count;
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

std::optional<TSongRef> TSongCollection::Find(std::uint32_t code) const {
  // The library numbers its songs in order from its first code.
  if (code >= kFirstLibraryCode && code - kFirstLibraryCode < library_.songs.size()) {
    const LibrarySong& song = library_.songs[code - kFirstLibraryCode];
    if (song.code == code) return TSongRef{-1, &song};
  }
  const int disc = disc_.SearchByOstrelCode(code, false);
  if (disc < 0) return std::nullopt;
  return TSongRef{disc, nullptr};
}

TSongEntry TSongCollection::EntryOf(const TSongRef& song) const {
  return song.library ? LibraryEntryOf(*song.library) : DiscEntryOf(disc_.Record(song.discIndex));
}

std::optional<TSongEntry> TSongCollection::EntryOf(std::uint32_t code) const {
  const std::optional<TSongRef> song = Find(code);
  if (!song) return std::nullopt;
  return EntryOf(*song);
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

TSongData TSongCollection::Load(const TSongRef& ref) const {
  if (!ref.library) return ReadDiscSong(disc_, ref.discIndex);
  const LibrarySong& song = *ref.library;
  if (song.kind != SongKind::Midi) {
    TSongData data;
    data.recorded = RecordedFilesOf(library_, song);
    return data;
  }
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

std::optional<TSongData> TSongCollection::LoadSong(std::uint32_t code) {
  const std::optional<TSongRef> song = Find(code);
  if (!song) return std::nullopt;
  return Load(*song);
}

}  // namespace lyrova
