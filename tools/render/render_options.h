#pragma once
// The command line of lyrova-render.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "export/song_render.h"

namespace lyrova {

struct TRenderOptions {
  std::string disc;     // folder with rmidi.img
  std::string catalog;  // folder with catdata.bin/.txt; "" for the built-in one or the disc's own
  std::string library;  // folder of karaoke and MIDI files; "" for none
  std::uint32_t code = 0;
  std::string wav;
  std::string timeline;  // "" for none
  TPlaySettings play;  // the SoundFont, the sliders, the guide melody
  // The singer's picture: a still at a moment of the sound, a whole video.
  std::optional<std::int64_t> frameAtMs;
  std::string framePng;
  std::string video;  // "" for none
  // The picture's size (still and video), in pixels.
  int width = 800;
  int height = 600;
  std::string film;   // "" for the disc's rmoving.img when there is one
  // The settings file whose lyric look the picture takes: "" for the
  // player's own, "none" for the built-in look.
  std::string settings;

  bool WantsPicture() const { return frameAtMs.has_value() || !video.empty(); }
};

extern const char* const kRenderUsage;

// Throws lyrova::Error with a plain message on a bad command line.
TRenderOptions ParseRenderOptions(const std::vector<std::string>& args);

}  // namespace lyrova
