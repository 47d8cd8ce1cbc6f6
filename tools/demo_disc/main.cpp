// lyrova-demo-disc OUT_DIR [--full]: writes a disc folder the player accepts
// (rmidi.img, rmidi_of.img and the film rmoving.img), with the demo songs or,
// with --full, every code of the real disc for load tests.

#include <cstring>
#include <exception>
#include <filesystem>
#include <iostream>

#include "catalog/cp1251.h"
#include "program/standard_options.h"
#include "tools/demo_disc/demo_disc.h"
#include "tools/demo_film/demo_film.h"

namespace {

constexpr char kUsage[] =
    "usage: lyrova-demo-disc OUT_DIR [--full]\n"
    "Writes the demo disc into OUT_DIR: the song image rmidi.img, its offset\n"
    "table rmidi_of.img and the background film rmoving.img.\n"
    "  --full     every code of the catalogue, for load tests\n"
    "  --help     this text\n"
    "  --version  the version\n";

int Usage() {
  std::cerr << kUsage;
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (lyrova::AnswerStandardOption({argv + 1, argv + argc}, "lyrova-demo-disc", kUsage, std::cout)) return 0;
  if (argc < 2 || argc > 3) return Usage();
  const bool full = argc == 3;
  if (full && std::strcmp(argv[2], "--full") != 0) return Usage();
  if (std::strncmp(argv[1], "--", 2) == 0) return Usage();
  const std::filesystem::path folder = argv[1];
  try {
    const lyrova::demo::DiscSummary summary = lyrova::demo::WriteDemoDisc(folder, full);
    lyrova::WriteDemoFilm((folder / "rmoving.img").string());
    std::cout << "wrote " << summary.songs << " songs in " << summary.sectors << " sectors to "
              << folder.string() << "\n";
  } catch (const std::exception& e) {
    std::cerr << "lyrova-demo-disc: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
