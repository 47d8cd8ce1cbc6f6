// «Калинка»: words and music by I. Larionov (1860). A minor, 2/4; the
// refrain falls in a chain of three-note figures, the verses move slower.
#include "tools/demo_disc/song_library.h"

namespace lyrova::demo {
namespace {

constexpr const char* kRefrainA = "c5:8 e5:4 d5:8 | d5:8 c5:4 b4:8 |";
constexpr const char* kRefrainB = "c5:8 e5 e5:16 d5 c5:8 | d5:8 c5:4 b4:8 |";
constexpr const char* kCadence = "b4:8 a4:4 g#4:8 | g#4:8 a4:4. |";
constexpr const char* kChordsA = "Am | E7 |";
constexpr const char* kChordsB = "C | E7 |";
constexpr const char* kCadenceChords = "E7 | Am |";

constexpr const char* kVerse1a = "e5:4. a4:8 | b4:8 c5:4 b4:8 |";
constexpr const char* kVerse1b = "a4:8 b4 c5 d5 | e5:4 r:4 |";
constexpr const char* kVerse2 = "e5:4 d5:8 c5 | b4:4 c5:8 d5 | b4:8 a4:4. | r:2 |";
constexpr const char* kVerse3a = "c5:8 c5 e5:4 | d5:8 c5:4. |";
constexpr const char* kVerse3b = "b4:8 b4 d5:4 | c5:8 b4:4. |";
constexpr const char* kVerseChords1 = "Am | E |";
constexpr const char* kVerseChords2 = "Am | G | E:8 Am:4. | Am |";
constexpr const char* kVerseChords3a = "C | G |";
constexpr const char* kVerseChords3b = "G | Am:8 E:4. |";

void AddRefrain(std::vector<ScoreLine>& lines) {
  for (int i = 0; i < 2; ++i) {
    lines.push_back(Sing(kRefrainA, kChordsA, "Ка/лин/ка, ка/лин/ка,"));
    lines.push_back(Sing(kCadence, kCadenceChords, "ка/лин/ка мо/я!"));
    lines.push_back(Sing(kRefrainB, kChordsB, "В+са/ду я/го/да ма/лин/ка,"));
    lines.push_back(Sing(kCadence, kCadenceChords, "ма/лин/ка мо/я!"));
  }
}

void AddVerse(std::vector<ScoreLine>& lines, const char* first, const char* second,
              const char* ending) {
  lines.push_back(Sing(kVerse1a, kVerseChords1, first));
  lines.push_back(Sing(kVerse1b, kVerseChords1, second));
  lines.push_back(Sing(kVerse2, kVerseChords2, ending));
  lines.push_back(Sing(kVerse3a, kVerseChords3a, "Ай-/лю/ли, лю/ли,"));
  lines.push_back(Sing(kVerse3b, kVerseChords3b, "ай-/лю/ли, лю/ли,"));
  lines.push_back(Sing(kVerse2, kVerseChords2, ending));
}

}  // namespace

SongScore Kalinka() {
  SongScore s;
  s.title = "Калинка";
  s.lyricist = "И.Ларионова";
  s.composer = "И.Ларионова";
  s.singer = "";
  s.tempo = 132;
  s.beatsPerBar = 2;
  s.beatUnit = 4;
  s.minor = true;
  s.instruments = {.lead = 21, .harmony = 24, .bass = 32};  // accordion, guitar, acoustic bass
  s.groove = Groove::Polka;
  s.damage = LengthDamage::TopByte;
  std::vector<ScoreLine>& l = s.lines;
  l.push_back(Play(kRefrainA, kChordsA));
  l.push_back(Play(kCadence, kCadenceChords));
  AddRefrain(l);
  l.push_back(VerseBreak());
  AddVerse(l, "Ах, под со/сно/ю,", "под зе/лё/но/ю", "Спать по/ло/жи/те вы ме/ня!");
  l.push_back(VerseBreak());
  AddRefrain(l);
  l.push_back(VerseBreak());
  AddVerse(l, "Ах, кра/са/ви/ца,", "ду/ша-/де/ви/ца,", "По/лю/би _ же ты ме/ня!");
  l.push_back(VerseBreak());
  AddRefrain(l);
  return s;
}

}  // namespace lyrova::demo
