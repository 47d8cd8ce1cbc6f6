// lyrova-demo-songs OUT_DIR: writes the demo song folder, karaoke files the
// player lists beside the disc's songs.

#include <cstring>
#include <exception>
#include <iostream>

#include "catalog/cp1251.h"
#include "tools/demo_songs/demo_songs.h"

int main(int argc, char** argv) {
  if (argc != 2 || std::strncmp(argv[1], "--", 2) == 0) {
    std::cerr << "usage: lyrova-demo-songs OUT_DIR\n";
    return 2;
  }
  try {
    const int n = lyrova::demo::WriteDemoSongs(argv[1]);
    std::cout << "wrote " << n << " songs to " << argv[1] << "\n";
  } catch (const std::exception& e) {
    std::cerr << "lyrova-demo-songs: " << lyrova::Cp1251ToUtf8(e.what()) << "\n";
    return 1;
  }
  return 0;
}
