// «Степь да степь кругом»: words by I. Surikov (1869), folk tune. A minor,
// 3/4, broad; five syllables to a line.
#include "tools/demo_disc/song_library.h"

namespace lyrova::demo {
namespace {

constexpr const char* kLine1 = "e4:2 a4:4 | a4:2 b4:4 | c5:2. |";
constexpr const char* kLine2 = "c5:2 d5:4 | c5:2 b4:4 | a4:2. |";
constexpr const char* kLine2Six = "c5:2 d5:4 | c5:4 b4 b4 | a4:2. |";
constexpr const char* kLine3 = "a4:2 c5:4 | e5:2 d5:4 | c5:2. |";
constexpr const char* kLine4 = "d5:2 c5:4 | b4:2 g#4:4 | a4:2. |";
constexpr const char* kChords1 = "Am | Am | Am |";
constexpr const char* kChords2 = "Dm | E | Am |";
constexpr const char* kChords3 = "Am | C:2 G:4 | C |";

void AddStanza(std::vector<ScoreLine>& l, const char* const (&words)[4], bool sixth = false) {
  l.push_back(Sing(kLine1, kChords1, words[0]));
  l.push_back(Sing(sixth ? kLine2Six : kLine2, kChords2, words[1]));
  l.push_back(Sing(kLine3, kChords3, words[2]));
  l.push_back(Sing(kLine4, kChords2, words[3]));
  l.push_back(VerseBreak());
}

}  // namespace

SongScore StepDaStep() {
  SongScore s;
  s.title = "Степь да степь кругом";
  s.lyricist = "И.Сурикова";
  s.composer = "Народная";
  s.singer = "Ансамбль \"Лирова\"";
  s.tempo = 88;
  s.beatsPerBar = 3;
  s.beatUnit = 4;
  s.minor = true;
  s.instruments = {.lead = 22, .harmony = 24, .bass = 32};  // harmonica, guitar, acoustic bass
  s.groove = Groove::Romance;
  std::vector<ScoreLine>& l = s.lines;
  l.push_back(Play(kLine3, kChords3));
  l.push_back(Play(kLine4, kChords2));
  AddStanza(l, {"Степь да степь кру/гом,", "Путь да/лёк ле/жит,", "В+той сте/пи глу/хой",
                "За/мер/зал ям/щик."});
  AddStanza(l, {"И, на/брав/шись сил,", "Чу/я смерт/ный час,", "Он то/ва/ри/щу",
                "От/да/вал на/каз:"});
  AddStanza(l, {"«Ты, то/ва/рищ мой,", "Не по/пом/ни зла,", "Здесь, в+сте/пи глу/хой,",
                "Схо/ро/ни ме/ня!"});
  l.push_back(Play(kLine3, kChords3));
  l.push_back(Play(kLine4, kChords2));
  AddStanza(l, {"А ко/ней мо/их", "Све/ди к+ба/тюш/ке,", "Пе/ре/дай пок/лон",
                "Род/ной ма/туш/ке."});
  AddStanza(l, {"А же/не ска/жи", "Сло/во про/щаль/но/е,", "Пе/ре/дай коль/цо",
                "О/бру/чаль/но/е."}, true);
  AddStanza(l, {"Да ска/жи ты ей —", "Пусть не пе/ча/лит/ся,", "С+тем, кто серд/цу мил,",
                "Пусть вен/ча/ет/ся!»"}, true);
  return s;
}

}  // namespace lyrova::demo
