#pragma once
// What a library song is made of, and where a recorded one's parts lie.

#include <cstdint>
#include <string>

namespace lyrova {

enum class SongKind : std::uint8_t {
  Midi = 0,   // a karaoke or MIDI file: the synthesizer plays it
  Cdg = 1,    // an MP3 with CD+G graphics, loose or in a zip archive
  Video = 2,  // a karaoke video with its own sound
};

// The parts of a recorded song, as paths relative to the library folder.
struct RecordedParts {
  std::string cdg;          // the CDG beside a loose MP3
  std::string audioMember;  // in a zip archive: the MP3's member
  std::string cdgMember;    // and the CDG's
  bool operator==(const RecordedParts&) const = default;
};

// A recorded song's files as the player opens them.
struct TRecordedFiles {
  SongKind kind = SongKind::Cdg;
  std::string sound;        // the MP3, the video, or the zip archive holding both parts
  std::string cdg;          // the CDG beside a loose MP3
  std::string soundMember;  // in a zip archive: the MP3's member
  std::string cdgMember;    // and the CDG's
};

}  // namespace lyrova
