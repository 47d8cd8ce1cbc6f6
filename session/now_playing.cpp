#include "session/now_playing.h"

#include <cmath>
#include <cstdio>

#include "session/slider_rules.h"

namespace lyrova {

std::string ClockText(double seconds) {
  const long whole = seconds > 0 ? static_cast<long>(std::floor(seconds)) : 0;
  char text[32];
  if (whole >= 3600) {
    std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", whole / 3600, whole / 60 % 60, whole % 60);
  } else {
    std::snprintf(text, sizeof text, "%ld:%02ld", whole / 60, whole % 60);
  }
  return text;
}

std::string NowPlayingText(const TNowPlaying& song) {
  char code[16];
  std::snprintf(code, sizeof code, "%.4u", song.code);
  std::string text = song.paused ? "Пауза: " : "";
  text += code;
  if (!song.title.empty()) text += " " + song.title;
  if (!song.singer.empty()) text += " — " + song.singer;
  // The remaining time rounds up, so the two never add up to more than the song.
  const double remaining = std::ceil(song.remaining - 1e-9);
  text += " · " + ClockText(song.elapsed) + " / \u2212" + ClockText(remaining);
  text += " · Тон " + KeyText(song.semitones);
  return text;
}

}  // namespace lyrova
