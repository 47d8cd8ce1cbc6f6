#pragma once
// The demo disc's background film: an MPEG-1 program stream of calm,
// endlessly looping pictures of our own making.

#include <string>

namespace lyrova {

struct TDemoFilmOptions {
  int width = 640;
  int height = 480;
  int framesPerSecond = 25;  // one of MPEG-1's rates
  int seconds = 24;
  int bitRate = 3000000;
};

// Writes the film to `path`; throws lyrova::Error saying what failed.
void WriteDemoFilm(const std::string& path, const TDemoFilmOptions& options = {});

}  // namespace lyrova
