#pragma once
// A short demo film written once per test program into a temporary folder.

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "tools/demo_film/demo_film.h"

namespace lyrova::testing_film {

// 2 seconds at 25 pictures a second: 50 pictures, 40 ms apart.
inline constexpr int kFrames = 50;
inline constexpr std::int64_t kFrameUs = 40000;

// Made on first use, removed when the test program ends.
class TempFolder {
 public:
  TempFolder()
      : path_(std::filesystem::temp_directory_path() /
              ("lyrova-film-test-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline std::filesystem::path Folder() {
  static const TempFolder folder;
  return folder.Path();
}

// Named like the disc's film, whose extension would fool format probing.
inline std::string Film() {
  static const std::string path = [] {
    const std::string p = (Folder() / "rmoving.img").string();
    TDemoFilmOptions options;
    options.width = 160;
    options.height = 120;
    options.seconds = 2;
    WriteDemoFilm(p, options);
    return p;
  }();
  return path;
}

}  // namespace lyrova::testing_film
