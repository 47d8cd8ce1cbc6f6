// «В лесу родилась ёлочка»: words by R. Kudasheva (1903), music by
// L. Bekman (1905). F major, 2/4, every line from an eighth-note pick-up.
#include "tools/demo_disc/song_library.h"

namespace lyrova::demo {
namespace {

constexpr const char* kLine1 = "c5:8 | a5 a5 g5 a5 | f5 c5 c5";
constexpr const char* kLine2 = "c5:8 | a5 a5 bb5 g5 | c6:4.";
constexpr const char* kLine3 = "c6:8 | d6 d6 bb5 bb5 | a5 c6 c6";
constexpr const char* kLine4 = "c6:8 | bb5 a5 g5 a5 | f5:4.";
constexpr const char* kChords1 = "C:8 | F:2 | F:4.";
constexpr const char* kChords2 = "C:8 | F:4 C7:4 | F:4.";
constexpr const char* kChords3 = "F:8 | Bb:2 | F:4.";
constexpr const char* kChords4 = "F:8 | C7:2 | F:4.";

void AddStanza(std::vector<ScoreLine>& l, const char* const (&words)[4]) {
  l.push_back(Sing(kLine1, kChords1, words[0]));
  l.push_back(Sing(kLine2, kChords2, words[1]));
  l.push_back(Sing(kLine3, kChords3, words[2]));
  l.push_back(Sing(kLine4, kChords4, words[3]));
  l.push_back(VerseBreak());
}

}  // namespace

SongScore VLesuRodilasYolochka() {
  SongScore s;
  s.title = "В лесу родилась ёлочка";
  s.lyricist = "Р.Кудашевой";
  s.composer = "Л.Бекмана";
  s.singer = "Детский хор \"Лирова\"";
  s.tempo = 92;
  s.beatsPerBar = 2;
  s.beatUnit = 4;
  s.pickup = ":8";
  s.keySharps = -1;
  s.instruments = {.lead = 73, .harmony = 0, .bass = 32};  // flute, piano, acoustic bass
  s.groove = Groove::Polka;
  s.damage = LengthDamage::TooLong;
  std::vector<ScoreLine>& l = s.lines;
  l.push_back(Play(kLine3, kChords3));
  l.push_back(Play(kLine4, kChords4));
  AddStanza(l, {"В+ле/су ро/ди/лась ё/лоч/ка,", "В+ле/су о/на рос/ла,",
                "Зи/мой и ле/том строй/на/я,", "Зе/лё/на/я бы/ла."});
  AddStanza(l, {"Ме/тель ей пе/ла пе/сен/ку:", "«Спи, ё/лоч/ка, бай-/бай!»",
                "Мо/роз снеж/ком у/ку/ты/вал:", "«Смот/ри, не за/мер/зай!»"});
  AddStanza(l, {"Тру/сиш/ка зай/ка се/рень/кий", "Под ё/лоч/кой ска/кал.",
                "По/ро/ю волк, сер/ди/тый волк,", "Рыс/цо/ю про/бе/гал."});
  l.push_back(Play(kLine3, kChords3));
  l.push_back(Play(kLine4, kChords4));
  AddStanza(l, {"Чу! Снег по ле/су час/то/му", "Под по/ло/зом скри/пит;",
                "Ло/шад/ка мох/но/но/га/я", "То/ро/пит/ся, бе/жит."});
  AddStanza(l, {"Ве/зёт ло/шад/ка дро/вен/ки,", "На дров/нях му/жи/чок,",
                "Сру/бил он на/шу ё/лоч/ку", "Под са/мый ко/ре/шок."});
  AddStanza(l, {"И вот о/на, на/ряд/на/я,", "На празд/ник к+нам при/шла,",
                "И мно/го-/мно/го ра/дос/ти", "Де/тиш/кам при/нес/ла."});
  return s;
}

}  // namespace lyrova::demo
