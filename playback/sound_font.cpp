#include "playback/sound_font.h"

#include <filesystem>
#include <system_error>

namespace lyrova {

std::string FindDefaultSoundFont() {
  // The distribution's default-GM alternative first, then the fonts it is
  // usually made to point at.
  static const char* const kCandidates[] = {
      "/usr/share/sounds/sf2/default-GM.sf2",  "/usr/share/soundfonts/default.sf2",
      "/usr/share/sounds/sf2/FluidR3_GM.sf2",  "/usr/share/soundfonts/FluidR3_GM.sf2",
      "/usr/share/sounds/sf2/TimGM6mb.sf2",    "/usr/share/sounds/sf3/default-GM.sf3",
      "/usr/local/share/soundfonts/default.sf2",
  };
  for (const char* candidate : kCandidates) {
    std::error_code error;
    if (std::filesystem::is_regular_file(candidate, error)) return candidate;
  }
  return {};
}

}  // namespace lyrova
