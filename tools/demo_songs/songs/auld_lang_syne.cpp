// «Auld Lang Syne»: words by R. Burns (1788), a traditional Scottish tune.
// F major, 4/4; every line starts on the last beat of a bar.
#include "tools/demo_songs/english_songs.h"

namespace lyrova::demo {
namespace {

constexpr const char* kLine1 = "c4:4 | f4:4. f4:8 f4:4 a4:4 | g4:4. f4:8 g4:4";
constexpr const char* kLine2 = "a4:4 | f4:4. f4:8 a4:4 c5:4 | d5:2.";
constexpr const char* kLine3 = "d5:4 | c5:4. a4:8 a4:4 f4:4 | g4:4. f4:8 g4:4";
constexpr const char* kLine4 = "a4:8 g4:8 | f4:4. d4:8 d4:4 c4:4 | f4:2.";
constexpr const char* kChords1 = "F:4 | F | C:2.";
constexpr const char* kChords2 = "C:4 | F:2 F:2 | Bb:2.";
constexpr const char* kChords3 = "Bb:4 | F | C:2.";
constexpr const char* kChords4 = "C:4 | F:2 Bb:2 | C:4 F:2";

void AddFour(std::vector<ScoreLine>& l, const char* const (&words)[4]) {
  l.push_back(Sing(kLine1, kChords1, words[0]));
  l.push_back(Sing(kLine2, kChords2, words[1]));
  l.push_back(Sing(kLine3, kChords3, words[2]));
  l.push_back(Sing(kLine4, kChords4, words[3]));
}

void AddChorus(std::vector<ScoreLine>& l) {
  l.push_back(Sing(kLine3, kChords3, "For auld _ lang syne, my _ dear,"));
  l.push_back(Sing(kLine2, kChords2, "for auld _ lang _ syne,"));
  l.push_back(Sing(kLine3, kChords3, "we'll take a cup o' kind/ness yet,"));
  l.push_back(Sing(kLine4, kChords4, "for _ auld lang _ _ syne."));
}

}  // namespace

SongScore AuldLangSyne() {
  SongScore s;
  s.title = "Auld Lang Syne";
  s.singer = "Lyrova Ensemble";
  s.tempo = 88;
  s.pickup = ":4";
  s.keySharps = -1;
  s.instruments = {.lead = 109, .harmony = 48, .bass = 32};  // bagpipe, strings, acoustic bass
  s.groove = Groove::Ballad;
  std::vector<ScoreLine>& l = s.lines;
  l.push_back(Play(kLine4, kChords4));
  AddFour(l, {"Should auld ac/quain/tance be for/got,", "and nev/er brought to mind?",
              "Should auld ac/quain/tance be for/got,", "and _ days of auld lang syne?"});
  l.push_back(VerseBreak());
  AddChorus(l);
  return s;
}

}  // namespace lyrova::demo
