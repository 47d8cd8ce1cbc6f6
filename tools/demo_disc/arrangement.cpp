#include "tools/demo_disc/arrangement.h"

#include <algorithm>
#include <set>

#include "catalog/errors.h"

namespace lyrova::demo {
namespace {

constexpr std::uint32_t kEighth = kDivision / 2;

enum DrumKey {
  kKick = 36,
  kSideStick = 37,
  kSnare = 38,
  kClosedHat = 42,
  kCrash = 49,
  kTambourine = 54
};

// One strike of a groove, at an offset into the bar.
struct Hit {
  std::uint32_t at;
  std::uint32_t length;
  int role;  // bass: 0 root, 1 fifth; arpeggio: chord tone; drums: key
  int velocity;
};

struct GroovePattern {
  std::vector<Hit> bass;
  std::vector<Hit> chords;
  std::vector<Hit> arpeggio;  // role: which chord tone, counting on into the octave above
  std::vector<Hit> drums;
  bool heldChords = false;  // chords struck at each change and held
};

GroovePattern PatternFor(Groove groove, std::uint32_t bar, int beats) {
  const std::uint32_t beat = bar / static_cast<std::uint32_t>(beats);
  GroovePattern p;
  switch (groove) {
    case Groove::Polka:
      for (std::uint32_t b = 0; b < bar; b += beat) {
        p.bass.push_back({b, kEighth, b == 0 ? 0 : 1, 96});
        p.chords.push_back({b + kEighth, kEighth * 3 / 4, 0, 64});
        p.drums.push_back({b, 60, kKick, 100});
        p.drums.push_back({b + kEighth, 60, kSnare, 70});
        p.drums.push_back({b, 60, kClosedHat, 60});
        p.drums.push_back({b + kEighth, 60, kClosedHat, 48});
      }
      break;
    case Groove::March:
      for (std::uint32_t b = 0; b < bar; b += beat) {
        const bool strong = b % (2 * beat) == 0;
        if (strong) p.bass.push_back({b, beat * 3 / 2, b == 0 ? 0 : 1, 96});
        p.chords.push_back({b, beat * 2 / 3, 0, strong ? 66 : 56});
        p.drums.push_back({b, 60, strong ? kKick : kSnare, strong ? 100 : 80});
        p.drums.push_back({b, 60, kClosedHat, 62});
        p.drums.push_back({b + beat / 2, 60, kClosedHat, 46});
      }
      break;
    case Groove::Romance:
      p.bass.push_back({0, beat, 0, 92});
      if (beats == 4) p.bass.push_back({2 * beat, beat, 1, 84});
      for (std::uint32_t at = kEighth, i = 0; at < bar; at += kEighth, ++i) {
        if (beats == 4 && at == 2 * beat) continue;  // the bass's second note
        static constexpr int kTones[] = {1, 2, 3, 2, 1, 2};
        p.arpeggio.push_back({at, kEighth, kTones[i % 6], at % beat == 0 ? 66 : 56});
      }
      p.drums.push_back({0, 60, kKick, 70});
      for (std::uint32_t b = beat; b < bar; b += beat) p.drums.push_back({b, 60, kTambourine, 40});
      break;
    case Groove::Ballad:
      p.heldChords = true;
      p.bass.push_back({0, beats % 2 == 0 ? bar / 2 : bar, 0, 90});
      if (beats % 2 == 0) p.bass.push_back({bar / 2, bar / 2, 1, 84});
      p.drums.push_back({0, 60, kKick, 84});
      for (std::uint32_t b = 0; b < bar; b += beat) {
        p.drums.push_back({b, 60, kClosedHat, b == 0 ? 52 : 40});
        if (b != 0 && (beats == 3 || b % (2 * beat) != 0))
          p.drums.push_back({b, 60, kSideStick, 62});
      }
      break;
  }
  return p;
}

// The first downbeat of each verse that has a whole beat of music before it.
std::vector<std::uint32_t> VerseDownbeats(const Timeline& t, std::uint32_t firstBar,
                                          std::uint32_t beat) {
  std::vector<std::uint32_t> downbeats;
  for (std::uint32_t start : t.sections) {
    const std::uint32_t bars =
        start <= firstBar ? 0 : (start - firstBar + t.grid.barLength - 1) / t.grid.barLength;
    const std::uint32_t downbeat = firstBar + bars * t.grid.barLength;
    if (downbeat >= firstBar + beat && downbeat < t.length) downbeats.push_back(downbeat);
  }
  return downbeats;
}

// Whether a groove's drum hit falls in the beat a fill takes over.
bool InFill(const std::vector<std::uint32_t>& downbeats, std::uint32_t at, std::uint32_t beat) {
  for (std::uint32_t d : downbeats) {
    if (at + beat >= d && at < d) return true;
  }
  return false;
}

const ChordSpan& ChordAt(const Timeline& t, std::uint32_t tick) {
  for (const ChordSpan& c : t.chords) {
    if (tick >= c.start && tick < c.start + c.length) return c;
  }
  return t.chords.back();
}

int BassKey(int pitchClass) { return 40 + ((pitchClass - 40) % 12 + 12) % 12; }     // E2 to D#3
int HarmonyKey(int pitchClass) { return 55 + ((pitchClass - 55) % 12 + 12) % 12; }  // G3 to F#4

void PlayChord(MidiTrack& track, const ChordSpan& chord, std::uint32_t at, std::uint32_t length,
               int velocity) {
  for (int pc : chord.tones) track.Note(at, length, kHarmonyChannel, HarmonyKey(pc), velocity);
}

void SetUpChannel(MidiTrack& track, int channel, int program, int volume, int pan) {
  if (channel != kDrumChannel) track.Program(0, channel, program);
  track.Control(0, channel, 7, volume);
  track.Control(0, channel, 10, pan);
  track.Control(0, channel, 91, 40);
}

}  // namespace

std::vector<MidiTrack> Arrange(const SongScore& score, const std::string& cp1251Title,
                               const Timeline& timeline, std::uint32_t& end) {
  if (timeline.chords.empty() || timeline.melody.empty())
    throw Error("a song without tune or chords");
  const BarGrid& grid = timeline.grid;
  const std::uint32_t firstBar = grid.pickup % grid.barLength;
  // The ending: the last chord rings on for a bar after the tune.
  end = timeline.length + grid.barLength;
  ChordSpan last = timeline.chords.back();
  const std::uint32_t endingAt = timeline.length;

  std::vector<MidiTrack> tracks(5);
  MidiTrack& conductor = tracks[0];
  conductor.Name(0, cp1251Title);
  conductor.TimeSignature(0, score.beatsPerBar, score.beatUnit);
  conductor.KeySignature(0, score.keySharps, score.minor);
  conductor.Tempo(0, score.tempo);

  MidiTrack& lead = tracks[1];
  lead.Name(0, "Melody");
  SetUpChannel(lead, kLeadChannel, score.instruments.lead, 127, 64);
  for (const MelodyNote& n : timeline.melody) {
    const bool downbeat = n.start >= firstBar && (n.start - firstBar) % grid.barLength == 0;
    lead.Note(n.start, n.length - std::min<std::uint32_t>(n.length / 8, 24), kLeadChannel,
              n.key + score.transpose, downbeat ? 118 : 106);
  }

  MidiTrack& harmony = tracks[2];
  harmony.Name(0, "Harmony");
  SetUpChannel(harmony, kHarmonyChannel, score.instruments.harmony, 96, 40);
  MidiTrack& bass = tracks[3];
  bass.Name(0, "Bass");
  SetUpChannel(bass, kBassChannel, score.instruments.bass, 116, 70);
  MidiTrack& drums = tracks[4];
  drums.Name(0, "Drums");
  SetUpChannel(drums, kDrumChannel, 0, 104, 64);

  auto transposed = [&](const ChordSpan& c) {
    ChordSpan t = c;
    t.root = (c.root + score.transpose % 12 + 12) % 12;
    t.bass = (c.bass + score.transpose % 12 + 12) % 12;
    for (int& pc : t.tones) pc = (pc + score.transpose % 12 + 12) % 12;
    return t;
  };

  const GroovePattern pattern = PatternFor(score.groove, grid.barLength, score.beatsPerBar);
  const std::uint32_t beat = grid.barLength / static_cast<std::uint32_t>(score.beatsPerBar);
  const std::vector<std::uint32_t> fills = VerseDownbeats(timeline, firstBar, beat);
  for (std::uint32_t bar = firstBar; bar < endingAt; bar += grid.barLength) {
    for (const Hit& h : pattern.bass) {
      const std::uint32_t at = bar + h.at;
      if (at >= endingAt) continue;
      const ChordSpan c = transposed(ChordAt(timeline, at));
      if (c.silent) continue;
      const bool newChord = c.start == at;
      const bool fifth = !newChord && h.role == 1;
      bass.Note(at, std::min(h.length, endingAt - at), kBassChannel,
                BassKey(fifth ? c.root + 7 : c.bass), h.velocity);
    }
    for (const Hit& h : pattern.chords) {
      const std::uint32_t at = bar + h.at;
      if (at >= endingAt) continue;
      const ChordSpan c = transposed(ChordAt(timeline, at));
      if (!c.silent) PlayChord(harmony, c, at, std::min(h.length, endingAt - at), h.velocity);
    }
    for (const Hit& h : pattern.arpeggio) {
      const std::uint32_t at = bar + h.at;
      if (at >= endingAt) continue;
      const ChordSpan c = transposed(ChordAt(timeline, at));
      if (c.silent) continue;
      const std::size_t n = c.tones.size();
      const int key = HarmonyKey(c.tones[static_cast<std::size_t>(h.role) % n]) +
                      12 * static_cast<int>(static_cast<std::size_t>(h.role) / n);
      harmony.Note(at, std::min(h.length, endingAt - at), kHarmonyChannel, key, h.velocity);
    }
    for (const Hit& h : pattern.drums) {
      const std::uint32_t at = bar + h.at;
      if (at < endingAt && !InFill(fills, at, beat))
        drums.Note(at, h.length, kDrumChannel, h.role, h.velocity);
    }
  }
  if (pattern.heldChords) {
    // Held chords: struck at each change and again at each bar line.
    for (const ChordSpan& span : timeline.chords) {
      if (span.silent) continue;
      const ChordSpan c = transposed(span);
      std::uint32_t at = span.start;
      while (at < span.start + span.length) {
        const std::uint32_t barEnd =
            at < firstBar ? firstBar
                          : firstBar + ((at - firstBar) / grid.barLength + 1) * grid.barLength;
        const std::uint32_t until = std::min(span.start + span.length, barEnd);
        PlayChord(harmony, c, at, until - at, 58);
        at = until;
      }
    }
  }

  last = transposed(last);
  if (!last.silent) {
    PlayChord(harmony, last, endingAt, grid.barLength, 70);
    bass.Note(endingAt, grid.barLength, kBassChannel, BassKey(last.bass), 96);
  }
  std::set<std::uint32_t> crashes = {firstBar, endingAt};
  for (std::uint32_t downbeat : fills) {
    crashes.insert(downbeat);
    // Sixteenths on the snare through the beat before the verse, growing louder.
    for (std::uint32_t k = 0; k < 4; ++k)
      drums.Note(downbeat - beat + k * beat / 4, 60, kDrumChannel, kSnare,
                 64 + 12 * static_cast<int>(k));
  }
  for (std::uint32_t at : crashes) drums.Note(at, 240, kDrumChannel, kCrash, 96);
  drums.Note(endingAt, 120, kDrumChannel, kKick, 110);
  return tracks;
}

}  // namespace lyrova::demo
