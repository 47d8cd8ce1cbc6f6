#pragma once
// Standard MIDI Files written in tests: tracks of events given by their
// delta times and raw bytes.

#include <cstdint>
#include <string>
#include <vector>

namespace lyrova::testing {

class SmfTrack {
 public:
  SmfTrack& Raw(std::uint32_t delta, std::vector<std::uint8_t> bytes);
  SmfTrack& Meta(std::uint32_t delta, std::uint8_t type, const std::string& text);
  SmfTrack& Text(std::uint32_t delta, const std::string& text) { return Meta(delta, 0x01, text); }
  SmfTrack& Lyric(std::uint32_t delta, const std::string& text) { return Meta(delta, 0x05, text); }
  SmfTrack& NoteOn(std::uint32_t delta, int key) { return Raw(delta, {0x90, std::uint8_t(key), 100}); }
  SmfTrack& NoteOff(std::uint32_t delta, int key) { return Raw(delta, {0x80, std::uint8_t(key), 0}); }
  // The chunk, with an end-of-track event unless told otherwise.
  std::vector<std::uint8_t> Chunk(bool endOfTrack = true) const;

 private:
  std::vector<std::uint8_t> events_;
};

std::vector<std::uint8_t> MakeSmf(std::uint16_t division, const std::vector<SmfTrack>& tracks,
                                  std::uint16_t format = 1);

}  // namespace lyrova::testing
