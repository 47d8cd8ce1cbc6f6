// lyrova-demo-film OUT [SECONDS]: writes the demo background film.
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "tools/demo_film/demo_film.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: lyrova-demo-film OUT.img [SECONDS]\n");
    return 2;
  }
  lyrova::TDemoFilmOptions options;
  if (argc == 3) options.seconds = std::atoi(argv[2]);
  try {
    lyrova::WriteDemoFilm(argv[1], options);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
