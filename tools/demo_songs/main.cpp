// lyrova-demo-songs OUT_DIR: writes the demo song folder, karaoke files the
// player lists beside the disc's songs.

#include <cstring>
#include <exception>
#include <iostream>

#include "catalog/cp1251.h"
#include "program/standard_options.h"
#include "tools/demo_songs/demo_songs.h"

namespace {

constexpr char kUsage[] =
    "usage: lyrova-demo-songs OUT_DIR\n"
    "Writes the demo song folder into OUT_DIR: four English songs of the public\n"
    "domain as Soft Karaoke (.kar) files.\n"
    "  --help     this text\n"
    "  --version  the version\n";

}  // namespace

int main(int argc, char** argv) {
  if (lyrova::AnswerStandardOption({argv + 1, argv + argc}, "lyrova-demo-songs", kUsage, std::cout)) return 0;
  if (argc != 2 || std::strncmp(argv[1], "--", 2) == 0) {
    std::cerr << kUsage;
    return 2;
  }
  try {
    const int n = lyrova::demo::WriteDemoSongs(argv[1]);
    std::cout << "wrote " << n << " songs to " << argv[1] << "\n";
  } catch (const std::exception& e) {
    std::cerr << "lyrova-demo-songs: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
