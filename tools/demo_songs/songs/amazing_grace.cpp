// «Amazing Grace»: words by J. Newton (1779), the tune "New Britain" (1829).
// G major, 3/4; every line starts on the third beat.
#include "tools/demo_songs/english_songs.h"

namespace lyrova::demo {
namespace {

constexpr const char* kLine1 = "d4:4 | g4:2 b4:8 g4:8 | b4:2 a4:4 | g4:2 e4:4 | d4:2";
constexpr const char* kLine2 = "d4:4 | g4:2 b4:8 g4:8 | b4:2 a4:4 | d5:2";
constexpr const char* kLine3 = "b4:4 | d5:2 b4:8 d5:8 | d5:2 b4:4 | d5:2 b4:4 | a4:2";
constexpr const char* kLine4 = "g4:4 | b4:2 a4:8 g4:8 | b4:2 a4:4 | g4:2";
constexpr const char* kChords1 = "G:4 | G:2. | G:2. | C:2. | G:2";
constexpr const char* kChords2 = "G:4 | G:2. | G:2 D:4 | D:2";
constexpr const char* kChords3 = "G:4 | G:2. | G:2. | Em:2. | D:2";
constexpr const char* kChords4 = "C:4 | G:2. | D:2. | G:2";

void AddVerse(std::vector<ScoreLine>& l, const char* const (&words)[4]) {
  l.push_back(Sing(kLine1, kChords1, words[0]));
  l.push_back(Sing(kLine2, kChords2, words[1]));
  l.push_back(Sing(kLine3, kChords3, words[2]));
  l.push_back(Sing(kLine4, kChords4, words[3]));
}

}  // namespace

SongScore AmazingGrace() {
  SongScore s;
  s.title = "Amazing Grace";
  s.singer = "Lyrova Choir";
  s.tempo = 76;
  s.beatsPerBar = 3;
  s.pickup = ":4";
  s.keySharps = 1;
  s.instruments = {.lead = 19, .harmony = 48, .bass = 32};  // organ, strings, acoustic bass
  s.groove = Groove::Ballad;
  std::vector<ScoreLine>& l = s.lines;
  l.push_back(Play(kLine4, kChords4));
  AddVerse(l, {"A/maz/ing _ grace, how sweet the sound", "that saved a _ wretch like me.",
               "I once was _ lost, but now am found,", "was blind but _ now I see."});
  l.push_back(VerseBreak());
  AddVerse(l, {"'Twas grace that _ taught my heart to fear,", "And grace my _ fears re/lieved;",
               "How pre/cious _ did that grace ap/pear", "The hour I _ first be/lieved."});
  return s;
}

}  // namespace lyrova::demo
