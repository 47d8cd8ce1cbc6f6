#include "config/song_memory.h"

#include <cstdio>

namespace lyrova {
namespace {

constexpr char kSection[] = "Songs";

}  // namespace

std::string TSongMemory::DiscSongKey(std::uint32_t code) {
  char key[16];
  std::snprintf(key, sizeof key, "%.4u", code);
  return key;
}

// A path may hold what an INI key cannot ("=", line ends, blanks at its
// ends) and keys match in any letter case, while file names do not: the key
// is a 64-bit FNV-1a hash of the path's bytes.
std::string TSongMemory::FileSongKey(const std::string& relativePath) {
  std::uint64_t hash = 14695981039346656037ULL;
  for (const char c : relativePath) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
  char key[24];
  std::snprintf(key, sizeof key, "F%016llX", static_cast<unsigned long long>(hash));
  return key;
}

TSongMemory::TSongMemory(const std::string& settingsPath) : ini_(PathBeside(settingsPath)) {}

std::string TSongMemory::PathBeside(const std::string& settingsPath) {
  const std::string ini = ".ini";
  const bool named = settingsPath.size() >= ini.size() &&
                     settingsPath.compare(settingsPath.size() - ini.size(), ini.size(), ini) == 0;
  return (named ? settingsPath.substr(0, settingsPath.size() - ini.size()) : settingsPath) + "-songs.ini";
}

TSongChoice TSongMemory::Recall(const std::string& key) const {
  const std::string text = ini_.ReadString(kSection, key, "");
  TSongChoice choice;
  int keyPosition = 0, tempo = 0;
  char rest = 0;
  if (std::sscanf(text.c_str(), "%d %d %c", &keyPosition, &tempo, &rest) != 2) return choice;
  choice.keyPosition = keyPosition;
  choice.tempoPosition = tempo;
  return choice;
}

void TSongMemory::Remember(const std::string& key, const TSongChoice& choice) {
  ini_.WriteString(kSection, key,
                   std::to_string(choice.keyPosition) + " " + std::to_string(choice.tempoPosition));
}

}  // namespace lyrova
