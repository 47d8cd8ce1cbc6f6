// «Вечерний звон»: words by I. Kozlov after T. Moore (1827), music by
// A. Alyabyev. C major, 3/4, slow; every line starts on the third beat.
#include "tools/demo_disc/song_library.h"

namespace lyrova::demo {
namespace {

constexpr const char* kLineA = "g4:4 | c5:2 c5:4 | e5:2 e5:4 | d5:2 c5:4 | d5:2";
constexpr const char* kLineA2 = "g4:4 | d5:2 d5:4 | f5:2 f5:4 | e5:2 d5:4 | c5:2";
constexpr const char* kLineB = "e5:4 | g5:2 g5:4 | a5:2 g5:4 | f5:2 e5:4 | d5:2";
constexpr const char* kLineB2 = "d5:4 | f5:2 e5:4 | d5:2 c5:4 | b4:2 a4:4 | g4:2";
constexpr const char* kChordsA = "C:4 | C:2. | C:2. | G:2. | G:2";
constexpr const char* kChordsA2 = "G:4 | G:2. | Dm:2. | C:2 G:4 | C:2";
constexpr const char* kChordsB = "C:4 | C:2. | F:2. | Dm:2 C:4 | G:2";
constexpr const char* kChordsB2 = "G:4 | Dm:2. | G:2 Am:4 | Em:2 D:4 | G:2";

void AddStanza(std::vector<ScoreLine>& l, const char* const (&words)[6]) {
  l.push_back(Sing(kLineA, kChordsA, words[0]));
  l.push_back(Sing(kLineA2, kChordsA2, words[1]));
  l.push_back(Sing(kLineB, kChordsB, words[2]));
  l.push_back(Sing(kLineB2, kChordsB2, words[3]));
  l.push_back(Sing(kLineA, kChordsA, words[4]));
  l.push_back(Sing(kLineA2, kChordsA2, words[5]));
}

}  // namespace

SongScore VecherniyZvon() {
  SongScore s;
  s.title = "Вечерний звон";
  s.lyricist = "И.Козлова";
  s.composer = "А.Алябьева";
  s.singer = "Хор \"Лирова\"";
  s.tempo = 96;
  s.beatsPerBar = 3;
  s.beatUnit = 4;
  s.pickup = ":4";
  s.instruments = {.lead = 60, .harmony = 48, .bass = 43};  // horn, strings, contrabass
  s.groove = Groove::Ballad;
  s.damage = LengthDamage::TopTwoBytes;
  std::vector<ScoreLine>& l = s.lines;
  l.push_back(Play(kLineB, kChordsB));
  l.push_back(Play(kLineB2, kChordsB2));
  AddStanza(l, {"Ве/чер/ний звон, ве/чер/ний звон!", "Как мно/го дум на/во/дит он",
                "О ю/ных днях в+кра/ю род/ном,", "Где я лю/бил, где от/чий дом,",
                "И как я, с+ним на/век про/стясь,", "Там слу/шал звон в+по/след/ний раз!"});
  l.push_back(Play(kLineA2, kChordsA2));
  l.push_back(VerseBreak());
  AddStanza(l, {"У/же не зреть мне свет/лых дней", "Вес/ны об/ман/чи/вой мо/ей!",
                "И сколь/ко нет те/перь в+жи/вых", "Тог/да ве/сё/лых, мо/ло/дых!",
                "И кре/пок их мо/гиль/ный сон;", "Не слы/шен им ве/чер/ний звон."});
  l.push_back(Play(kLineA2, kChordsA2));
  l.push_back(VerseBreak());
  AddStanza(l, {"Ле/жать и мне в+зем/ле сы/рой!", "На/пев у/ныв/ный на/до мной",
                "В+до/ли/не ве/тер раз/не/сёт;", "Дру/гой пе/вец по ней прой/дёт,",
                "И уж не я, а бу/дет он", "В+раз/ду/мье петь ве/чер/ний звон!"});
  return s;
}

}  // namespace lyrova::demo
