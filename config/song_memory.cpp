#include "config/song_memory.h"

#include <cstdio>

namespace lyrova {
namespace {

constexpr char kSection[] = "Songs";

std::string CodeKey(std::uint32_t code) {
  char key[16];
  std::snprintf(key, sizeof key, "%.4u", code);
  return key;
}

}  // namespace

TSongMemory::TSongMemory(const std::string& settingsPath) : ini_(PathBeside(settingsPath)) {}

std::string TSongMemory::PathBeside(const std::string& settingsPath) {
  const std::string ini = ".ini";
  const bool named = settingsPath.size() >= ini.size() &&
                     settingsPath.compare(settingsPath.size() - ini.size(), ini.size(), ini) == 0;
  return (named ? settingsPath.substr(0, settingsPath.size() - ini.size()) : settingsPath) + "-songs.ini";
}

TSongChoice TSongMemory::Recall(std::uint32_t code) const {
  const std::string text = ini_.ReadString(kSection, CodeKey(code), "");
  TSongChoice choice;
  int key = 0, tempo = 0;
  char rest = 0;
  if (std::sscanf(text.c_str(), "%d %d %c", &key, &tempo, &rest) != 2) return choice;
  choice.keyPosition = key;
  choice.tempoPosition = tempo;
  return choice;
}

void TSongMemory::Remember(std::uint32_t code, const TSongChoice& choice) {
  ini_.WriteString(kSection, CodeKey(code),
                   std::to_string(choice.keyPosition) + " " + std::to_string(choice.tempoPosition));
}

}  // namespace lyrova
