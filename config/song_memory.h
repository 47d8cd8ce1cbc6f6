#pragma once
// The key and tempo a singer chose for each song, kept in a small file
// beside the settings file ("lyrova.ini" has "lyrova-songs.ini") as
// [Songs] 0007=key tempo, both slider positions. A song of the library is
// known by its file, since its code moves when files are added.

#include <cstdint>
#include <string>

#include "config/ini_file.h"

namespace lyrova {

struct TSongChoice {
  int keyPosition = 0;    // the key slider's position (its top is +8 semitones)
  int tempoPosition = 0;  // the tempo slider's position (its top is fastest)
};

class TSongMemory {
 public:
  explicit TSongMemory(const std::string& settingsPath);
  static std::string PathBeside(const std::string& settingsPath);
  const std::string& FileName() const { return ini_.FileName(); }

  // The name a song is kept under: a disc song's code, or a library song's
  // file (its path relative to the library folder).
  static std::string DiscSongKey(std::uint32_t code);
  static std::string FileSongKey(const std::string& relativePath);

  // The choice for the song kept under `key`; both at rest for a song never
  // changed, or for a line the user broke by hand. The sliders bring a
  // position from a hand-edited file into their range.
  TSongChoice Recall(const std::string& key) const;
  // Throws lyrova::Error (the text for the user) when the file cannot be written.
  void Remember(const std::string& key, const TSongChoice& choice);

 private:
  TIniFile ini_;
};

}  // namespace lyrova
