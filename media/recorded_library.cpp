#include "media/recorded_library.h"

#include <filesystem>

#include "catalog/errors.h"
#include "catalog/file_path.h"
#include "catalog/song_image.h"
#include "catalog/text_encoding.h"
#include "media/audio_decoder.h"
#include "media/cdg_picture.h"
#include "media/zip_archive.h"

namespace lyrova {
namespace {

// Enough packets to tell CD+G graphics from anything else.
constexpr std::size_t kCdgProbeBytes = 24 * 600;

std::string BaseName(const std::string& path) { return std::filesystem::path(path).filename().string(); }

// Title and singer: the tags where they have them, else the file's name.
KaraokeFields Fields(const TMediaInput& input, const std::string& fileName) {
  KaraokeFields fields = FieldsFromFileName(fileName);
  if (std::string title = TagText(input.Tag("title")); !title.empty()) fields.title = title;
  if (std::string artist = TagText(input.Tag("artist")); !artist.empty()) fields.singer = artist;
  return fields;
}

void CheckCdg(SharedBytes bytes) {
  if (bytes->size() > kCdgProbeBytes)
    bytes = std::make_shared<const std::vector<std::uint8_t>>(bytes->begin(), bytes->begin() + kCdgProbeBytes);
  TCdgPicture picture(bytes);
  picture.At(picture.DurationUs());
}

SharedBytes FileBytes(const std::string& path) {
  const std::string bytes = SongImage::ReadWholeFile(path);
  return std::make_shared<const std::vector<std::uint8_t>>(bytes.begin(), bytes.end());
}

void ReadLooseCdg(const std::string& folder, IndexEntry& e) {
  const TAudioDecoder sound(TMediaInput::OpenFile(JoinPath(folder, e.file.path)));
  e.fields = Fields(sound.Input(), BaseName(e.file.path));
  try {
    CheckCdg(FileBytes(JoinPath(folder, e.file.cdg)));
  } catch (const Error& error) {
    throw Error(std::string("its CDG cannot be played (") + error.what() + ")");
  }
  e.parts.cdg = e.file.cdg;
}

void ReadZip(const std::string& folder, IndexEntry& e) {
  const TZipArchive zip = TZipArchive::OpenFile(JoinPath(folder, e.file.path));
  const TZipSong song = zip.FindSong();
  const TAudioDecoder sound(TMediaInput::OpenBytes(zip.Read(song.audio)));
  // The archive's own name first, as the user named it; the member's tags over it.
  e.fields = Fields(sound.Input(), BaseName(e.file.path));
  CheckCdg(zip.Read(song.cdg));
  e.parts.audioMember = song.audio;
  e.parts.cdgMember = song.cdg;
}

void ReadVideo(const std::string& folder, IndexEntry& e) {
  const TAudioDecoder sound(TMediaInput::OpenFile(JoinPath(folder, e.file.path)));
  if (av_find_best_stream(sound.Input().Context(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0) < 0)
    throw Error("it holds no picture");
  e.fields = Fields(sound.Input(), BaseName(e.file.path));
}

}  // namespace

std::string TagText(const std::string& utf8) {
  std::string bytes;
  bool high = false;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      bytes += static_cast<char>(c);
    } else if ((c == 0xC2 || c == 0xC3) && i + 1 < utf8.size()) {
      bytes += static_cast<char>(((c & 0x03) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F));
      high = true;
    } else {
      return utf8;  // beyond Latin-1: the tag's own encoding was right
    }
  }
  if (!high) return utf8;
  const TextEncoding encoding = DetectEncoding({bytes});
  return encoding == TextEncoding::Cp1252 ? utf8 : DecodeToUtf8(bytes, encoding);
}

void ReadRecordedEntry(const std::string& folder, IndexEntry& e) {
  const std::optional<LibraryFileKind> kind = LibraryFileKindOf(BaseName(e.file.path));
  try {
    if (kind == LibraryFileKind::Mp3) {
      ReadLooseCdg(folder, e);
      e.kind = SongKind::Cdg;
    } else if (kind == LibraryFileKind::Zip) {
      ReadZip(folder, e);
      e.kind = SongKind::Cdg;
    } else if (kind == LibraryFileKind::Video) {
      ReadVideo(folder, e);
      e.kind = SongKind::Video;
    } else {
      throw Error("it is no song file");
    }
    e.song = true;
  } catch (const Error& error) {
    e.song = false;
    e.parts = {};
    e.reason = error.what();
  }
}

SongLibrary ScanSongLibrary(const std::string& folder, const std::string& cacheFile, const ScanProgress& progress) {
  return ScanLibrary(folder, cacheFile, progress, ReadRecordedEntry);
}

}  // namespace lyrova
