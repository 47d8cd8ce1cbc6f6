#include "tools/demo_songs/karaoke_writer.h"

#include "catalog/errors.h"
#include "tools/demo_disc/midi_file.h"

namespace lyrova::demo {
namespace {

constexpr std::uint8_t kText = 0x01;
constexpr std::uint8_t kLyric = 0x05;

ByteVector Bytes(const std::string& s) { return ByteVector(s.begin(), s.end()); }

MidiTrack SoftKaraokeTrack(const RenderedSong& song) {
  MidiTrack t;
  t.Name(0, "Words");
  for (const char* header : {"@KMIDI KARAOKE FILE", "@V0100", "@LENGL"}) t.Meta(0, kText, Bytes(header));
  t.Meta(0, kText, Bytes("@T" + song.title));
  t.Meta(0, kText, Bytes("@T" + song.singer));
  for (const TimedSyllable& s : song.syllables) {
    const std::string marker = s.newVerse ? "\\" : s.newLine ? "/" : "";
    t.Meta(s.start, kText, Bytes(marker + s.text));
  }
  return t;
}

MidiTrack LyricTrack(const RenderedSong& song) {
  MidiTrack t;
  t.Name(0, "Words");
  const std::vector<TimedSyllable>& all = song.syllables;
  for (std::size_t i = 0; i < all.size(); ++i) {
    std::string text = all[i].text;
    if (i + 1 < all.size() && all[i + 1].newLine) text += all[i + 1].newVerse ? "\r\n\r\n" : "\r\n";
    t.Meta(all[i].start, kLyric, Bytes(text));
  }
  return t;
}

}  // namespace

ByteVector WriteKaraokeFile(const RenderedSong& song, WordEvents kind) {
  ByteVector file = song.midi;
  if (file.size() < 14 || (file[10] << 8 | file[11]) == 0xFFFF) throw Error("not a MIDI file to add words to");
  const MidiTrack words = kind == WordEvents::SoftKaraoke ? SoftKaraokeTrack(song) : LyricTrack(song);
  const ByteVector chunk = words.Chunk(song.lengthTicks);
  file.insert(file.end(), chunk.begin(), chunk.end());
  const int tracks = (file[10] << 8 | file[11]) + 1;
  file[10] = static_cast<std::uint8_t>(tracks >> 8);
  file[11] = static_cast<std::uint8_t>(tracks);
  return file;
}

}  // namespace lyrova::demo
