#pragma once
// The demo song folder: each song of english_songs.h as a karaoke file.

#include <filesystem>

namespace lyrova::demo {

// Writes the files into the folder, creating it; returns how many. Throws
// lyrova::Error when a song does not hold together or a file cannot be written.
int WriteDemoSongs(const std::filesystem::path& folder);

}  // namespace lyrova::demo
