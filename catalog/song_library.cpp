#include "catalog/song_library.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <unordered_map>

#include "catalog/cache_folder.h"
#include "catalog/catalog_errors.h"
#include "catalog/file_path.h"
#include "catalog/library_index.h"
#include "catalog/song_image.h"

namespace lyrova {
namespace {

// Far beyond any karaoke file; a larger one is not read into memory.
constexpr std::uint64_t kMaxSongFileSize = 64ull << 20;

std::string_view BaseName(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

constexpr char kTooLarge[] = QT_TRANSLATE_NOOP("lyrova::UserText", "the file is too large for a song");

// The size is checked on the open file, so one that grew since the folder
// was read costs no more memory than the limit.
std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
  std::string bytes;
  const int error = ReadRegularFile(path, bytes, kMaxSongFileSize);
  if (error == EFBIG) throw Error(UserText(kTooLarge));
  if (error != 0) throw IoError(error);
  return {bytes.begin(), bytes.end()};
}

IndexEntry ReadEntry(const std::string& folder, const LibraryFile& file, const RecordedReader& recorded) {
  IndexEntry e;
  e.file = file;
  if (LibraryFileKindOf(BaseName(file.path)) != LibraryFileKind::Karaoke) {
    if (recorded) {
      recorded(folder, e);
    } else {
      e.reason = "recorded songs are not read here";
    }
    return e;
  }
  if (file.size > kMaxSongFileSize) {
    e.reason = kTooLarge;
    return e;
  }
  std::vector<std::uint8_t> bytes;
  try {
    bytes = ReadFileBytes(JoinPath(folder, file.path));
  } catch (const Error& error) {
    e.reason = std::string("the file cannot be read (") + error.what() + ")";
    return e;
  }
  KaraokeReadResult read = ReadKaraokeFile(bytes, BaseName(file.path));
  e.song = read.ok;
  if (read.ok) {
    e.fields = std::move(read.song.fields);
    e.words = std::move(read.song.words);
  } else {
    e.reason = std::move(read.reason);
  }
  return e;
}

std::vector<IndexEntry> CachedEntries(const std::string& folder, const std::string& cacheFile) {
  if (cacheFile.empty()) return {};
  try {
    const std::string bytes = SongImage::ReadWholeFile(cacheFile);
    if (auto entries = ReadLibraryIndex(folder, bytes)) return std::move(*entries);
  } catch (const Error&) {
    // No index yet, or one that cannot be read: every file is read.
  }
  return {};
}

}  // namespace

SongLibrary ScanLibrary(const std::string& folder, const std::string& cacheFile, const ScanProgress& progress,
                        const RecordedReader& recorded) {
  SongLibrary library;
  library.folder = folder;
  const std::vector<LibraryFile> files = ListLibraryFiles(folder, library.broken, progress);

  std::vector<IndexEntry> cached = CachedEntries(folder, cacheFile);
  std::unordered_map<std::string_view, std::size_t> byPath;
  for (std::size_t i = 0; i < cached.size(); ++i) byPath.emplace(cached[i].file.path, i);

  std::vector<IndexEntry> entries;
  entries.reserve(files.size());
  // Only a file that was read keeps its entry: one that failed (a permission
  // since mended, a copy still under way) is tried again by every scan.
  std::size_t reused = 0;
  bool changed = false;
  for (std::size_t i = 0; i < files.size(); ++i) {
    const auto hit = byPath.find(files[i].path);
    if (hit != byPath.end() && cached[hit->second].song && cached[hit->second].file == files[i]) {
      entries.push_back(std::move(cached[hit->second]));
      ++reused;
    } else {
      entries.push_back(ReadEntry(folder, files[i], recorded));
      changed = changed || entries.back().song;
    }
    if (progress) progress(i + 1, files.size());
  }
  changed = changed || reused != cached.size();
  if (changed && !cacheFile.empty()) WriteCacheFile(cacheFile, WriteLibraryIndex(folder, entries));

  std::uint32_t code = kFirstLibraryCode;
  for (IndexEntry& e : entries) {
    if (!e.song) {
      library.broken.push_back({e.file.path, std::move(e.reason)});
      continue;
    }
    LibrarySong s;
    s.code = code++;
    s.file = std::move(e.file);
    s.fields = std::move(e.fields);
    s.words = std::move(e.words);
    s.kind = e.kind;
    s.parts = std::move(e.parts);
    library.songs.push_back(std::move(s));
  }
  return library;
}

std::string LibraryIndexFile(const std::string& folder) {
  const std::string cache = UserCacheFolder();
  if (cache.empty()) return {};
  std::error_code ec;
  const std::filesystem::path absolute = std::filesystem::absolute(folder, ec);
  return cache + "/library-" + CacheKey(ec ? folder : absolute.lexically_normal().string()) + ".idx";
}

KaraokeReadResult ReadLibrarySong(const SongLibrary& library, const LibrarySong& song) {
  KaraokeReadResult result;
  try {
    return ReadKaraokeFile(LibrarySongBytes(library, song), BaseName(song.file.path));
  } catch (const Error& error) {
    result.reason = std::string("the file cannot be read (") + error.what() + ")";
  }
  return result;
}

TRecordedFiles RecordedFilesOf(const SongLibrary& library, const LibrarySong& song) {
  TRecordedFiles files;
  files.kind = song.kind;
  files.sound = JoinPath(library.folder, song.file.path);
  if (!song.parts.cdg.empty()) files.cdg = JoinPath(library.folder, song.parts.cdg);
  files.soundMember = song.parts.audioMember;
  files.cdgMember = song.parts.cdgMember;
  return files;
}

std::vector<std::uint8_t> LibrarySongBytes(const SongLibrary& library, const LibrarySong& song) {
  return ReadFileBytes(JoinPath(library.folder, song.file.path));
}

}  // namespace lyrova
