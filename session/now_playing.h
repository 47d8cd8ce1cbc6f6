#pragma once
// The line that tells the singer what plays: code, title, singer, how long
// it has run and still runs at the current tempo, and the key. UTF-8.

#include <cstdint>
#include <string>

namespace lyrova {

struct TNowPlaying {
  std::uint32_t code = 0;
  std::string title;
  std::string singer;
  double elapsed = 0;    // seconds at the current tempo
  double remaining = 0;  // seconds at the current tempo
  int semitones = 0;
  bool paused = false;
};

// "0001 Калинка — Хор · 1:05 / −2:31 · Тон +2", "Пауза:" in front while paused.
std::string NowPlayingText(const TNowPlaying& song);

// Whole seconds as m:ss, or h:mm:ss from an hour on; a part second is dropped.
std::string ClockText(double seconds);

}  // namespace lyrova
