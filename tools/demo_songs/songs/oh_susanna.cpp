// «Oh! Susanna»: words and music by S. Foster (1848). C major, 4/4, brisk;
// every line starts on the last beat of a bar.
#include "tools/demo_songs/english_songs.h"

namespace lyrova::demo {
namespace {

constexpr const char* kLineA = "c4:8 d4:8 | e4:4 g4:4 g4:4. a4:8 | g4:4 e4:4 c4:4. d4:8 | e4:4 e4:4 d4:4 c4:4 | d4:2.";
constexpr const char* kLineB = "c4:8 d4:8 | e4:4 g4:4 g4:4. a4:8 | g4:4 e4:4 c4:4. d4:8 | e4:4 e4:4 d4:4 d4:4 | c4:2.";
constexpr const char* kChorus = "f4:4 | f4:2 a4:2 | a4:4 a4:4 g4:4 g4:4 | e4:4 c4:4 d4:4";
constexpr const char* kChordsA = "C:4 | C | C:2 G:2 | C:2 G:2 | G:2.";
constexpr const char* kChordsB = "C:4 | C | C:2 G:2 | C:2 G:2 | C:2.";
constexpr const char* kChordsChorus = "C:4 | F | C | C:2 G:4";

void AddChorus(std::vector<ScoreLine>& l) {
  l.push_back(Sing(kChorus, kChordsChorus, "Oh! Su/san/na, oh don't you cry for me,"));
  l.push_back(Sing(kLineB, kChordsB, "For I come from Al/a/bam/a with my ban/jo on my knee."));
}

}  // namespace

SongScore OhSusanna() {
  SongScore s;
  s.title = "Oh! Susanna";
  s.singer = "Stephen Foster";
  s.tempo = 120;
  s.pickup = ":4";
  s.instruments = {.lead = 105, .harmony = 25, .bass = 33};  // banjo, steel guitar, finger bass
  s.groove = Groove::Polka;
  std::vector<ScoreLine>& l = s.lines;
  l.push_back(Play(kLineB, kChordsB));
  l.push_back(Sing(kLineA, kChordsA, "I come from Al/a/bam/a with my ban/jo on my knee _"));
  l.push_back(Sing(kLineB, kChordsB, "I'm go/ing to Lou/i/si/an/a, my true love for to see."));
  l.push_back(VerseBreak());
  AddChorus(l);
  l.push_back(VerseBreak());
  l.push_back(Sing(kLineA, kChordsA, "It rained all night the day I left, the weath/er it was dry _"));
  l.push_back(Sing(kLineB, kChordsB, "The sun so hot I froze to death; Su/san/na, don't you cry _"));
  l.push_back(VerseBreak());
  AddChorus(l);
  return s;
}

}  // namespace lyrova::demo
