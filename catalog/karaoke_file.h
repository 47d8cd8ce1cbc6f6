#pragma once
// Karaoke files made elsewhere: Soft Karaoke .kar files and MIDI files with
// lyric events. From the file's bytes and its name come the song's four
// texts, its words and the timing of every sung character, all UTF-8 and in
// music time (768 per quarter note), as the disc's songs have them.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/points.h"

namespace lyrova {

// "нет данных" in UTF-8: a field without data.
inline constexpr char kNoDataUtf8[] = "\xD0\xBD\xD0\xB5\xD1\x82 \xD0\xB4\xD0\xB0\xD0\xBD\xD0\xBD\xD1\x8B\xD1\x85";

struct KaraokeFields {
  std::string title;
  std::string singer;
  std::string musicAuthor;
  std::string lyricAuthor;
  bool operator==(const KaraokeFields&) const = default;
};

struct KaraokeSong {
  KaraokeFields fields;
  std::string words;                // lines ended by "\n", none after the last
  std::vector<TimingPair> timing;   // introduction, then one per timed character
};

struct KaraokeReadResult {
  bool ok = false;
  std::string reason;  // why the file is not a song
  KaraokeSong song;
};

// fileName is the file's own name (extension included), as the file system
// spells it.
KaraokeReadResult ReadKaraokeFile(std::span<const std::uint8_t> bytes, std::string_view fileName);

// Title and singer from a name "Singer - Title.kar", or the whole name as
// the title.
KaraokeFields FieldsFromFileName(std::string_view fileName);

}  // namespace lyrova
