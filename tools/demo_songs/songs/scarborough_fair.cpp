// «Scarborough Fair»: a traditional English ballad. D Dorian, 3/4, gently.
#include "tools/demo_songs/english_songs.h"

namespace lyrova::demo {
namespace {

constexpr const char* kLine1 = "d4:2 d4:4 | a4:2 a4:4 | e4:4. f4:8 e4:4 | d4:4 d4:2 |";
constexpr const char* kLine2 = "a4:4 c5:2 | d5:2 c5:4 | a4:4 b4:4 g4:4 | a4:2. |";
constexpr const char* kLine3 = "d5:2 d5:4 | d5:2 a4:4 | a4:4 g4:4 f4:4 | e4:4 c4:2 |";
constexpr const char* kLine4 = "d4:2 a4:4 | g4:4 f4:4 e4:4 | d4:4 c4:4 e4:4 | d4:2. |";
constexpr const char* kChords1 = "Dm | Dm | C | Dm |";
constexpr const char* kChords2 = "F | C | G | Dm |";
constexpr const char* kChords3 = "Dm | F | C | Am |";
constexpr const char* kChords4 = "Dm | G | C | Dm |";

void AddVerse(std::vector<ScoreLine>& l, const char* first, const char* third, const char* fourth) {
  l.push_back(Sing(kLine1, kChords1, first));
  l.push_back(Sing(kLine2, kChords2, "Pars/ley, sage, rose/ma/ry and thyme,"));
  l.push_back(Sing(kLine3, kChords3, third));
  l.push_back(Sing(kLine4, kChords4, fourth));
}

}  // namespace

SongScore ScarboroughFair() {
  SongScore s;
  s.title = "Scarborough Fair";
  s.singer = "Lyrova Ensemble";
  s.tempo = 100;
  s.beatsPerBar = 3;
  s.minor = true;
  s.instruments = {.lead = 73, .harmony = 24, .bass = 32};  // flute, nylon guitar, acoustic bass
  s.groove = Groove::Romance;
  std::vector<ScoreLine>& l = s.lines;
  l.push_back(Play(kLine4, kChords4));
  AddVerse(l, "Are you go/ing to Scar/bo/rough Fair?", "Re/mem/ber me to one who lives there,",
           "She once was a true love of mine. _");
  l.push_back(VerseBreak());
  AddVerse(l, "Tell her to make me a cam/bric shirt,", "With/out no seams nor nee/dle/work, _",
           "Then she'll be a true love of mine. _");
  return s;
}

}  // namespace lyrova::demo
