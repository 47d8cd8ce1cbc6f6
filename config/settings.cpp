#include "config/settings.h"

#include <algorithm>
#include <cstdlib>

#include "catalog/errors.h"
#include "config/path_text.h"

namespace lyrova {

namespace keys = settings_keys;

namespace {

// Callers append file names directly, so a hand-edited folder gets its separator here.
std::string WithSeparator(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace

TSettingsFile::TSettingsFile(std::string iniPath, std::string programFolder)
    : ini_(std::move(iniPath)), programFolder_(std::move(programFolder)) {}

std::string TSettingsFile::ReadPath(const char* section, const char* key, const std::string& def) const {
  if (!ini_.ValueExists(section, key)) return def;
  return PathFromStoredText(ini_.ReadString(section, key, ""));
}

void TSettingsFile::WritePath(const char* section, const char* key, const std::string& path) {
  ini_.WriteString(section, key, StoredPathText(path));
}

std::string TSettingsFile::DiscFolder() const {
  return WithSeparator(ReadPath(keys::kPaths, keys::kDiscFolder, programFolder_));
}

void TSettingsFile::SetDiscFolder(const std::string& folder) {
  WritePath(keys::kPaths, keys::kDiscFolder, folder);
}

std::string TSettingsFile::VideoFile() const {
  std::string def = programFolder_;
  if (def.size() > 1 && def.back() == '/') def.pop_back();
  return ReadPath(keys::kPaths, keys::kVideoFile, def);
}

void TSettingsFile::SetVideoFile(const std::string& path) { WritePath(keys::kPaths, keys::kVideoFile, path); }

std::string TSettingsFile::SongsFolder() const {
  return WithSeparator(ReadPath(keys::kPaths, keys::kSongsFolder, ""));
}

void TSettingsFile::SetSongsFolder(const std::string& folder) {
  WritePath(keys::kPaths, keys::kSongsFolder, folder);
}

std::string TSettingsFile::SoundFont() const { return ReadPath(keys::kSound, keys::kSoundFont, ""); }

void TSettingsFile::SetSoundFont(const std::string& path) { WritePath(keys::kSound, keys::kSoundFont, path); }

int TSettingsFile::SoundLatencyMs() const {
  return std::clamp(ini_.ReadInteger(keys::kSound, keys::kSoundLatency, 50), 10, 500);
}

int TSettingsFile::LyricOffsetMs() const {
  const int ms = std::clamp(ini_.ReadInteger(keys::kSound, keys::kLyricOffset, 0), -kMaxLyricOffsetMs, kMaxLyricOffsetMs);
  // To the nearest step, half a step away from zero.
  const int steps = (std::abs(ms) + kLyricOffsetStepMs / 2) / kLyricOffsetStepMs;
  return (ms < 0 ? -steps : steps) * kLyricOffsetStepMs;
}

bool TSettingsFile::SongMemory() const { return ini_.ReadInteger(keys::kSound, keys::kSongMemory, 0) == 1; }

void TSettingsFile::SetSongMemory(bool on) { ini_.WriteInteger(keys::kSound, keys::kSongMemory, on ? 1 : 0); }

std::string TSettingsFile::Language() const { return ini_.ReadString(keys::kInterface, keys::kLanguage, ""); }

void TSettingsFile::SetLanguage(const std::string& language) {
  ini_.WriteString(keys::kInterface, keys::kLanguage, language);
}

int TSettingsFile::MelodyPercent() const {
  const int percent = ini_.ReadInteger(keys::kSound, keys::kMelody, 100);
  return percent >= 75 ? 100 : percent >= 25 ? 50 : 0;
}

void TSettingsFile::SetMelodyPercent(int percent) { ini_.WriteInteger(keys::kSound, keys::kMelody, percent); }

void TSettingsFile::SetLyricOffsetMs(int ms) { ini_.WriteInteger(keys::kSound, keys::kLyricOffset, ms); }

std::optional<Error> ReadLookSettings(TIniFile& ini, SettingsValues& values, bool writeMissing) {
  std::optional<Error> firstError;
  const auto write = [&](const char* section, const char* key, const std::string& value) {
    if (firstError || !writeMissing) return;
    try {
      ini.WriteString(section, key, value);
    } catch (const Error& e) {
      firstError = e;
    }
  };
  // Each number key: read when present, else written from memory.
  const auto number = [&](const char* section, const char* key, std::int32_t def, auto get, auto set) {
    if (ini.ValueExists(section, key)) {
      (values.*set)(ini.ReadInteger(section, key, def));
    } else {
      write(section, key, std::to_string((values.*get)()));
    }
  };

  if (ini.ValueExists(keys::kFont, keys::kFontName)) {
    values.SetFontName(ini.ReadString(keys::kFont, keys::kFontName, SettingsValues::kDefaultFontName));
  } else {
    write(keys::kFont, keys::kFontName, values.FontName());
  }
  number(keys::kFont, keys::kFontHeight, kLookNumberDefault, &SettingsValues::FontHeight,
         &SettingsValues::SetFontHeight);
  number(keys::kFont, keys::kFontColor1, kLookNumberDefault, &SettingsValues::FontColor1,
         &SettingsValues::SetFontColor1);
  number(keys::kFont, keys::kFontColor2, kLookNumberDefault, &SettingsValues::FontColor2,
         &SettingsValues::SetFontColor2);
  number(keys::kFont, keys::kFontShadow, kLookNumberDefault, &SettingsValues::FontShadow,
         &SettingsValues::SetFontShadow);
  number(keys::kStrings, keys::kStringsCount, SettingsValues::kDefaultStringsCount,
         &SettingsValues::StringsCount, &SettingsValues::SetStringsCount);
  return firstError;
}

}  // namespace lyrova
