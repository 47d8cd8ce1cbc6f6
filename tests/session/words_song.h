#pragma once
// A karaoke file of one note with its words, and its title when given.

#include <string>
#include <vector>

#include "tests/catalog/smf_maker.h"

namespace lyrova::test {

inline std::vector<std::uint8_t> WordsSong(const std::string& title, const std::string& words) {
  testing::SmfTrack track;
  if (!title.empty()) track.Text(0, "@T" + title);
  track.Lyric(0, words).NoteOn(0, 60).NoteOff(384, 60);
  return testing::MakeSmf(384, {track});
}

}  // namespace lyrova::test
