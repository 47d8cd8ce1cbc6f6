#pragma once
// The settings file's keys and the start-up reading of the lyric look.
//
// Texts in the file are CP1251. File paths are held in memory as the file
// system's bytes and stored so that they read back exactly (path_text.h).

#include <optional>
#include <string>

#include "catalog/errors.h"
#include "config/ini_file.h"
#include "config/settings_values.h"

namespace lyrova {

namespace settings_keys {
inline constexpr char kPaths[] = "Paths";
inline constexpr char kDiscFolder[] = "rMidiPath";
inline constexpr char kVideoFile[] = "VideoFile";
inline constexpr char kSongsFolder[] = "SongsFolder";
inline constexpr char kFont[] = "Font";
inline constexpr char kFontName[] = "Name";
inline constexpr char kFontHeight[] = "Height";
inline constexpr char kFontColor1[] = "Color1";
inline constexpr char kFontColor2[] = "Color2";
inline constexpr char kFontShadow[] = "Shadow";
inline constexpr char kStrings[] = "Strings";
inline constexpr char kStringsCount[] = "Count";
inline constexpr char kSound[] = "Sound";
inline constexpr char kSoundFont[] = "SoundFont";
inline constexpr char kSoundLatency[] = "LatencyMs";
inline constexpr char kLyricOffset[] = "LyricOffsetMs";
inline constexpr char kMelody[] = "Melody";
inline constexpr char kSongMemory[] = "KeyAndTempoPerSong";
// The interface's language: empty or missing follows the desktop, else "ru" or "en".
inline constexpr char kInterface[] = "Interface";
inline constexpr char kLanguage[] = "Language";
// Where the singer's window was left: screen name, place and size out of full
// screen, and 0 normal, 1 maximised, 2 full screen.
inline constexpr char kVideo[] = "Video";
inline constexpr char kVideoScreen[] = "Screen";
inline constexpr char kVideoLeft[] = "Left";
inline constexpr char kVideoTop[] = "Top";
inline constexpr char kVideoWidth[] = "Width";
inline constexpr char kVideoHeight[] = "Height";
inline constexpr char kVideoState[] = "State";
}  // namespace settings_keys

// The number every look key but Name and Count reads as when its text is not
// a number: colours included, so "abc" as a colour is 72 (a very dark red).
inline constexpr std::int32_t kLookNumberDefault = 72;

class TSettingsFile {
 public:
  // `programFolder` ends with "/"; it is the default disc folder.
  TSettingsFile(std::string iniPath, std::string programFolder);
  TIniFile& Ini() { return ini_; }
  const std::string& FileName() const { return ini_.FileName(); }

  // The folder of the disc files, always ending with "/" unless empty (an
  // empty folder means the process's current folder); the program's folder
  // when the key is missing.
  std::string DiscFolder() const;
  void SetDiscFolder(const std::string& folder);
  // The background film; the program's folder without its final "/" (which
  // names no film) when the key is missing.
  std::string VideoFile() const;
  void SetVideoFile(const std::string& path);
  // The song library's folder, ending with "/"; empty (no library) when the
  // key is missing or empty.
  std::string SongsFolder() const;
  void SetSongsFolder(const std::string& folder);
  // The SoundFont the synthesizer loads at start; empty for its default one.
  std::string SoundFont() const;
  void SetSoundFont(const std::string& path);
  // The sound device's latency to ask for, in milliseconds: 50 when the key
  // is missing, brought into 10..500 otherwise (below 10 a loaded machine
  // drops out, above 500 Stop and the sliders answer late).
  int SoundLatencyMs() const;
  // How much later than the measured output latency the lyrics follow the
  // music, for outputs that delay the sound more than they say (Bluetooth
  // speakers): 0 when missing, brought into -500..500 in steps of 10.
  int LyricOffsetMs() const;
  void SetLyricOffsetMs(int ms);
  static constexpr int kMaxLyricOffsetMs = 500;
  static constexpr int kLyricOffsetStepMs = 10;
  // The guide melody in percent: 100 (full, also when missing), 50 or 0; any
  // other number reads as the nearest of them.
  int MelodyPercent() const;
  void SetMelodyPercent(int percent);
  // Whether each song gets back the key and tempo last chosen for it; off
  // unless the key says 1.
  bool SongMemory() const;
  void SetSongMemory(bool on);
  // The interface's language as stored, applied at the next start.
  std::string Language() const;
  void SetLanguage(const std::string& language);

 private:
  std::string ReadPath(const char* section, const char* key, const std::string& def) const;
  void WritePath(const char* section, const char* key, const std::string& path);

  TIniFile ini_;
  std::string programFolder_;
};

// The look at start-up: Font Name, Height, Color1, Color2, Shadow and
// Strings Count, in that order. A key in the file replaces the value in
// memory; a missing key is written with the value in memory. After the first
// failed write no further key is written, but all are still read. Returns
// that first failure, so that it is reported once and start-up goes on.
// A tool that only borrows the player's look passes `writeMissing` false:
// then the file is never written and missing keys keep the values in memory.
std::optional<Error> ReadLookSettings(TIniFile& ini, SettingsValues& values, bool writeMissing = true);

}  // namespace lyrova
