#pragma once
// The demo disc: a song image and offset table the program accepts as the
// supported disc, holding the demo songs at codes spread over the code
// ranges, or (full) every code of the real disc, for load tests.

#include <cstdint>
#include <filesystem>
#include <vector>

namespace lyrova::demo {

// Codes of the demo songs on the normal disc, one per song of DemoSongs().
const std::vector<std::uint32_t>& DemoSongCodes();

struct DiscSummary {
  int songs = 0;              // song blocks the catalogue builder will keep
  std::uint32_t sectors = 0;  // sectors up to the end of the last block
};

// Writes rmidi.img and rmidi_of.img into the folder. Throws lyrova::Error.
DiscSummary WriteDemoDisc(const std::filesystem::path& folder, bool full);

}  // namespace lyrova::demo
