// «Ой, мороз, мороз»: folk song. A minor, 4/4, slow; each half-line starts
// on the fourth beat and holds its third syllable over two notes.
#include "tools/demo_disc/song_library.h"

namespace lyrova::demo {
namespace {

constexpr const char* kHalf1 = "e4:4 | a4:4 b4 c5:2 | b4:4 a4:2";
constexpr const char* kHalf2 = "c5:4 | b4:4 a4 g#4:2 | a4:4 b4:2";
constexpr const char* kHalf3 = "e5:4 | e5:4 d5 c5:2 | b4:4 c5:2";
constexpr const char* kHalf4 = "c5:4 | b4:4 a4 b4:2 | g#4:4 a4:2";
constexpr const char* kChords1 = "E7:4 | Am | Am:2.";
constexpr const char* kChords2 = "Am:4 | E7 | Am:4 E:2";
constexpr const char* kChords3 = "E:4 | C:2 Am:2 | G:4 C:2";
constexpr const char* kChords4 = "C:4 | E7 | E:4 Am:2";

void AddVerse(std::vector<ScoreLine>& l, const char* const (&words)[4]) {
  l.push_back(Sing(kHalf1, kChords1, words[0]));
  l.push_back(Sing(kHalf2, kChords2, words[1]));
  l.push_back(Sing(kHalf3, kChords3, words[2]));
  l.push_back(Sing(kHalf4, kChords4, words[3]));
}

}  // namespace

SongScore OiMorozMoroz() {
  SongScore s;
  s.title = "Ой, мороз, мороз";
  s.lyricist = "";
  s.composer = "Народная";
  s.singer = "Ансамбль \"Лирова\"";
  s.tempo = 76;
  s.beatsPerBar = 4;
  s.beatUnit = 4;
  s.pickup = ":4";
  s.minor = true;
  s.instruments = {.lead = 21, .harmony = 48, .bass = 32};  // accordion, strings, acoustic bass
  s.groove = Groove::Ballad;
  std::vector<ScoreLine>& l = s.lines;
  l.push_back(Play(kHalf3, kChords3));
  l.push_back(Play(kHalf4, kChords4));
  AddVerse(l, {"Ой, мо/роз, _ мо/роз,", "не мо/розь _ ме/ня,", "Не мо/розь _ ме/ня,",
               "мо/е/го _ ко/ня."});
  l.push_back(VerseBreak());
  AddVerse(l, {"Мо/е/го _ ко/ня", "бе/ло/гри/_/во/го,", "У ме/ня _ же/на,",
               "ох, рев/ни/_/ва/я."});
  l.push_back(Play(kHalf3, kChords3));
  l.push_back(Play(kHalf4, kChords4));
  l.push_back(VerseBreak());
  AddVerse(l, {"У ме/ня _ же/на", "рас/кра/са/_/ви/ца,", "Ждёт ме/ня _ до/мой,",
               "ждёт, пе/ча/_/лит/ся."});
  l.push_back(VerseBreak());
  AddVerse(l, {"Я вер/нусь _ до/мой", "на за/ка/_/те дня,", "Об/ни/му _ же/ну,",
               "на/по/ю _ ко/ня."});
  l.push_back(Play(kHalf3, kChords3));
  l.push_back(Play(kHalf4, kChords4));
  l.push_back(VerseBreak());
  // The first verse again, as the song is usually rounded off.
  AddVerse(l, {"Ой, мо/роз, _ мо/роз,", "не мо/розь _ ме/ня,", "Не мо/розь _ ме/ня,",
               "мо/е/го _ ко/ня."});
  return s;
}

}  // namespace lyrova::demo
