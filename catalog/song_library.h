#pragma once
// The song library: a folder of karaoke and MIDI files, MP3s with CD+G
// graphics (loose or zipped) and karaoke videos, searched recursively, each
// readable song a code from 10001 on, in the order of the files' paths
// relative to the folder (compared as bytes).

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/karaoke_file.h"
#include "catalog/song_kind.h"

namespace lyrova {

inline constexpr std::uint32_t kFirstLibraryCode = 10001;

struct LibraryFile {
  std::string path;  // relative to the library folder, as the file system spells it
  std::uint64_t size = 0;
  std::int64_t mtimeNs = 0;
  // The CDG beside an MP3, whose changes change the song too; empty otherwise.
  std::string cdg;
  std::uint64_t cdgSize = 0;
  std::int64_t cdgMtimeNs = 0;
  bool operator==(const LibraryFile&) const = default;
};

struct LibrarySong {
  std::uint32_t code = 0;
  LibraryFile file;
  KaraokeFields fields;  // UTF-8
  std::string words;     // UTF-8, as the words command prints them; none for a recorded song
  SongKind kind = SongKind::Midi;
  RecordedParts parts;   // a recorded song's
  bool found = true;     // matched the last search
  std::string foldedWords;  // filled by the first words search
};

struct BrokenFile {
  std::string path;  // relative to the library folder
  std::string reason;
};

struct SongLibrary {
  std::string folder;
  std::vector<LibrarySong> songs;
  std::vector<BrokenFile> broken;  // files that are not songs and folders that cannot be read
};

// Called with the files read so far and their number; while the folders are
// still being listed, with the files found so far and a total of 0. It may
// throw to end the reading early.
using ScanProgress = std::function<void(std::size_t done, std::size_t total)>;

// The kind a file's name says it is, in any letter case: .kar, .mid, .midi;
// .mp3 (with a .cdg of the same name beside it); .zip; .mp4, .mkv, .avi,
// .mpg, .mpeg, .webm. Nothing for any other name.
enum class LibraryFileKind { Karaoke, Mp3, Cdg, Zip, Video };
std::optional<LibraryFileKind> LibraryFileKindOf(std::string_view name);

// The song files under the folder and its subfolders, each MP3 with its CDG;
// symbolic links are never followed. Sorted by path. An MP3 or a CDG
// without the other goes to `unreadable`. `progress` hears of every folder
// entered.
std::vector<LibraryFile> ListLibraryFiles(const std::string& folder, std::vector<BrokenFile>& unreadable,
                                          const ScanProgress& progress = {});

struct IndexEntry;
// Reads a recorded song's file (an MP3 with its CDG, a zip, a video) into
// its entry: the song's texts, kind and parts, or why it is no song.
using RecordedReader = std::function<void(const std::string& folder, IndexEntry& entry)>;

// Reads the library, taking every file whose size and modification time match
// the index in cacheFile from there, and rewrites the index when anything
// changed. An empty cacheFile reads every file; a missing or damaged index is
// rebuilt. Never throws for a file or folder it cannot read.
// Without `recorded` (the karaoke files' tools) recorded songs are listed
// as not read.
SongLibrary ScanLibrary(const std::string& folder, const std::string& cacheFile, const ScanProgress& progress = {},
                        const RecordedReader& recorded = {});

// The index file of a library folder in the user's cache folder; empty when
// there is no cache folder.
std::string LibraryIndexFile(const std::string& folder);

// The song's file read again for playing: words and timing, or why it can no longer be read.
KaraokeReadResult ReadLibrarySong(const SongLibrary& library, const LibrarySong& song);
// A recorded song's files, joined to the library folder.
TRecordedFiles RecordedFilesOf(const SongLibrary& library, const LibrarySong& song);
// The file's bytes unchanged. Throws lyrova::Error when it cannot be read.
std::vector<std::uint8_t> LibrarySongBytes(const SongLibrary& library, const LibrarySong& song);

}  // namespace lyrova
