// «Очи чёрные»: words by E. Grebyonka (1843), music after F. Hermann's
// waltz. D minor, 4/4, a romance built on one rising figure (two pick-up
// notes, then a held line end), answered a semitone below its top note.
#include "tools/demo_disc/song_library.h"

namespace lyrova::demo {
namespace {

struct Half {
  const char* melody;
  const char* chords;
};

constexpr Half kHalves[8] = {
    {"a4:8 d5 | e5:2 f5:4 f5:4~ | f5:2.", "A7:4 | Dm | Dm:2."},
    {"f5:8 e5 | d#5:2 e5:4 e5:4~ | e5:2.", "Dm:4 | A7 | A7:2."},
    {"e5:8 f5 | g5:2 a5:4 a5:4~ | a5:2.", "A7:4 | A7 | Dm:2."},
    {"a5:8 g5 | f5:2 e5:4 d5:4~ | d5:2.", "Dm:4 | Dm:2 A7:4 Dm:4 | Dm:2."},
    {"d5:8 g5 | a5:2 bb5:4 bb5:4~ | bb5:2.", "D7:4 | Gm | Gm:2."},
    {"bb5:8 a5 | g#5:2 a5:4 a5:4~ | a5:2.", "Gm:4 | E7 | A7:2."},
    {"a5:8 g5 | f5:2 g5:4 e5:4~ | e5:2.", "A7:4 | Dm:2 Gm:4 A7:4 | A7:2."},
    {"e5:8 d5 | c#5:2 e5:4 d5:4~ | d5:2.", "Dm:4 | A7:2. Dm:4 | Dm:2."},
};

void AddVerse(std::vector<ScoreLine>& l, const char* const (&words)[8]) {
  for (int i = 0; i < 8; ++i) l.push_back(Sing(kHalves[i].melody, kHalves[i].chords, words[i]));
}

}  // namespace

SongScore OchiChernye() {
  SongScore s;
  s.title = "Очи чёрные";
  s.lyricist = "Е.Гребёнки";
  s.composer = "Ф.Германа";
  s.singer = "Ансамбль \"Лирова\"";
  s.tempo = 96;
  s.beatsPerBar = 4;
  s.beatUnit = 4;
  s.pickup = ":4";
  s.keySharps = -1;
  s.minor = true;
  s.instruments = {.lead = 40, .harmony = 24, .bass = 32};  // violin, guitar, acoustic bass
  s.groove = Groove::Romance;
  std::vector<ScoreLine>& l = s.lines;
  l.push_back(Play(kHalves[2].melody, kHalves[2].chords));
  l.push_back(Play(kHalves[3].melody, kHalves[3].chords));
  AddVerse(l, {"О/чи чёр/ны/е,", "о/чи страст/ны/е!", "О/чи жгу/чи/е", "и пре/крас/ны/е!",
               "Как лю/блю я вас!", "Как бо/юсь я вас!", "Знать, у/ви/дел вас",
               "я не в+доб/рый час!"});
  l.push_back(VerseBreak());
  AddVerse(l, {"Ох, не/да/ром вы", "глу/би/ны тем/ней!", "Ви/жу тра/ур в+вас",
               "по ду/ше мо/ей,", "Ви/жу пла/мя в+вас", "я по/бед/но/е:",
               "Со/жже/но на нём", "серд/це бед/но/е."});
  l.push_back(Play(kHalves[6].melody, kHalves[6].chords));
  l.push_back(Play(kHalves[7].melody, kHalves[7].chords));
  l.push_back(VerseBreak());
  AddVerse(l, {"Но не гру/стен я,", "не пе/ча/лен я,", "У/те/ши/тель/на",
               "мне судь/ба мо/я:", "Всё, что луч/ше/го", "в+жиз/ни Бог дал нам,",
               "В+жерт/ву от/дал я", "ог/нен/ным гла/зам!"});
  return s;
}

}  // namespace lyrova::demo
