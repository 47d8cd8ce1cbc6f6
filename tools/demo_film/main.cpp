// lyrova-demo-film OUT [SECONDS]: writes the demo background film.
// lyrova-demo-film --contrast FILM [PICTURES]: how the default lyric colours
// read over the first PICTURES pictures of a film (600: the demo film's loop).
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>

#include "tools/demo_film/demo_film.h"
#include "tools/demo_film/film_contrast.h"

namespace {

int Contrast(const char* film, int pictures) {
  const std::vector<double> bands = lyrova::BandLuminances(film, pictures);
  const struct {
    const char* name;
    lyrova::ColorRef colour;
  } colours[] = {{"unsung (blue)", 0xFF0000}, {"sung (white)", 0xFFFFFF}, {"shadow (black)", 0}};
  std::printf("%zu pictures; contrast against the lyric band (WCAG):\n", bands.size());
  for (const auto& c : colours) {
    const lyrova::TContrastFigures f = lyrova::ContrastOver(bands, c.colour, 3.0);
    std::printf("  %-15s lowest %.2f:1, median %.2f:1, at least 3:1 on %.1f %% of the pictures\n",
                c.name, f.lowest, f.median, 100.0 * f.share);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const bool contrast = argc >= 3 && std::strcmp(argv[1], "--contrast") == 0;
  if (argc < 2 || argc > (contrast ? 4 : 3)) {
    std::fprintf(stderr, "usage: lyrova-demo-film OUT.img [SECONDS]\n"
                         "       lyrova-demo-film --contrast FILM [PICTURES]\n");
    return 2;
  }
  try {
    if (contrast) {
      // It measures pictures, it shows none: no screen is needed.
      if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
      QGuiApplication app(argc, argv);
      return Contrast(argv[2], argc == 4 ? std::atoi(argv[3]) : 600);
    }
    lyrova::TDemoFilmOptions options;
    if (argc == 3) options.seconds = std::atoi(argv[2]);
    lyrova::WriteDemoFilm(argv[1], options);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
