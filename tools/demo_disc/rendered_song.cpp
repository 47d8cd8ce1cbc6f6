#include "tools/demo_disc/rendered_song.h"

#include <algorithm>

#include "catalog/errors.h"
#include "tools/demo_disc/arrangement.h"
#include "tools/demo_disc/disc_charset.h"
#include "tools/demo_disc/lyric_line.h"
#include "tools/demo_disc/music_notation.h"

namespace lyrova::demo {
namespace {

int TimedCharacters(const std::string& syllable) {
  return static_cast<int>(
      std::count_if(syllable.begin(), syllable.end(), [](char c) { return c != ' '; }));
}

// Gives each syllable of the line its notes, in order.
void PlaceSyllables(const LyricLine& line, const Melody& melody, std::vector<SungSyllable>& out,
                    const char* words) {
  int notes = 0;
  for (const Syllable& s : line.syllables) notes += s.notes;
  if (notes != static_cast<int>(melody.notes.size())) {
    throw Error(std::to_string(notes) + " sung notes in the words but " +
                std::to_string(melody.notes.size()) + " in the tune: " + words);
  }
  std::size_t next = 0;
  for (const Syllable& s : line.syllables) {
    const MelodyNote& first = melody.notes[next];
    next += static_cast<std::size_t>(s.notes);
    const MelodyNote& last = melody.notes[next - 1];
    out.push_back({first.start, last.start + last.length, TimedCharacters(s.text)});
  }
}

// The syllables with the spaces of the shown line before the words they start.
void AddTimedSyllables(const LyricLine& line, const std::vector<SungSyllable>& sung, bool verseStarts,
                       std::vector<TimedSyllable>& out) {
  std::size_t at = 0;
  const std::size_t first = sung.size() - line.syllables.size();
  for (std::size_t i = 0; i < line.syllables.size(); ++i) {
    TimedSyllable t;
    t.start = sung[first + i].start;
    t.newLine = i == 0;
    t.newVerse = i == 0 && verseStarts;
    for (char c : line.syllables[i].text) {
      while (at < line.display.size() && line.display[at] == ' ' && c != ' ') {
        if (i > 0 || !t.text.empty()) t.text += ' ';
        ++at;
      }
      t.text += c;
      ++at;
    }
    out.push_back(std::move(t));
  }
}

// A long line is shown as two, broken at the allowed space nearest its middle.
std::vector<std::string> WrapLine(const LyricLine& line) {
  const std::string& text = line.display;
  if (text.size() <= kMaxShownLineChars || line.breaks.empty()) return {text};
  const auto distance = [middle = text.size() / 2](std::size_t at) {
    return at > middle ? at - middle : middle - at;
  };
  std::size_t best = line.breaks.front();
  for (std::size_t at : line.breaks) {
    if (distance(at) < distance(best)) best = at;
  }
  return {text.substr(0, best), text.substr(best + 1)};
}

std::uint32_t ReadBe32(const ByteVector& b, std::size_t at) {
  return std::uint32_t{b[at]} << 24 | std::uint32_t{b[at + 1]} << 16 |
         std::uint32_t{b[at + 2]} << 8 | b[at + 3];
}

}  // namespace

void DamageFirstTrackLength(ByteVector& midi, LengthDamage damage) {
  if (midi.size() < 22) throw Error("MIDI block too short for a track header");
  switch (damage) {
    case LengthDamage::None:
      return;
    case LengthDamage::TopByte:
      midi[18] = 0xFF;
      return;
    case LengthDamage::TopTwoBytes:
      midi[18] = 0xFF;
      midi[19] = 0xFF;
      return;
    case LengthDamage::TooLong: {
      // Only safe where the first track is the last chunk: loading clamps
      // the length to the end of the block.
      const std::uint32_t length = ReadBe32(midi, 18);
      if (length != midi.size() - 22) throw Error("an overlong length needs a single-track file");
      const std::uint32_t damaged = length + 0x1234;
      for (int i = 0; i < 4; ++i) midi[18 + i] = static_cast<std::uint8_t>(damaged >> (24 - 8 * i));
      return;
    }
  }
}

namespace {

RenderedSong Render(const SongScore& score) {
  RenderedSong song;
  song.title = Cp1251FromUtf8(score.title);
  song.lyricist = Cp1251FromUtf8(score.lyricist);
  song.composer = Cp1251FromUtf8(score.composer);
  song.singer = Cp1251FromUtf8(score.singer);

  Timeline timeline;
  timeline.grid.barLength = static_cast<std::uint32_t>(score.beatsPerBar) * 4 * kDivision /
                            static_cast<std::uint32_t>(score.beatUnit);
  timeline.grid.pickup = *score.pickup ? ParseDuration(score.pickup) : 0;

  std::vector<SungSyllable> syllables;
  std::uint32_t at = 0;
  bool verseStarts = true;
  bool verseBreak = false;
  for (const ScoreLine& line : score.lines) {
    if (!line.melody) {
      if (!song.wordLines.empty() && !song.wordLines.back().empty()) song.wordLines.emplace_back();
      verseStarts = true;
      verseBreak = !song.syllables.empty();
      continue;
    }
    if (verseStarts && line.words) {
      timeline.sections.push_back(at);
      verseStarts = false;
    }
    const Melody melody = ParseMelody(line.melody, at, timeline.grid);
    const std::vector<ChordSpan> chords =
        ParseChords(line.chords ? line.chords : "", at, timeline.grid);
    std::uint32_t chordLength = 0;
    for (const ChordSpan& c : chords) chordLength += c.length;
    if (chordLength != melody.length) {
      throw Error("chords last " + std::to_string(chordLength) + " ticks, the tune " +
                  std::to_string(melody.length) + ": " + line.melody);
    }
    if (line.words) {
      const LyricLine lyric = ParseLyricLine(Cp1251FromUtf8(line.words));
      PlaceSyllables(lyric, melody, syllables, line.words);
      AddTimedSyllables(lyric, syllables, verseBreak, song.syllables);
      verseBreak = false;
      for (std::string& shown : WrapLine(lyric)) song.wordLines.push_back(std::move(shown));
    }
    timeline.melody.insert(timeline.melody.end(), melody.notes.begin(), melody.notes.end());
    timeline.chords.insert(timeline.chords.end(), chords.begin(), chords.end());
    at += melody.length;
  }
  while (!song.wordLines.empty() && song.wordLines.back().empty()) song.wordLines.pop_back();
  if (syllables.empty()) throw Error(std::string("a song without words: ") + score.title);
  timeline.length = at;

  song.timing = CharacterDurations(syllables, kTicksPerTimingUnit);
  song.points = EncodePoints(song.timing);

  std::vector<MidiTrack> tracks = Arrange(score, song.title, timeline, song.lengthTicks);
  if (score.damage == LengthDamage::TooLong) {
    MidiTrack merged;
    for (const MidiTrack& t : tracks) merged.Merge(t);
    song.midi = WriteMidiFile(0, kDivision, {merged}, song.lengthTicks);
  } else {
    song.midi = WriteMidiFile(1, kDivision, tracks, song.lengthTicks);
  }
  DamageFirstTrackLength(song.midi, score.damage);
  return song;
}

}  // namespace

RenderedSong RenderSong(const SongScore& score) {
  try {
    return Render(score);
  } catch (const Error& e) {
    throw Error(Cp1251FromUtf8(score.title) + ": " + e.what());
  }
}

}  // namespace lyrova::demo
