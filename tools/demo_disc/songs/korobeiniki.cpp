// «Коробейники»: words by N. Nekrasov (1861), folk tune. A minor, brisk.
#include "tools/demo_disc/song_library.h"

namespace lyrova::demo {
namespace {

constexpr const char* kLine1 = "e5:4 b4:8 c5 d5:4 c5:8 b4 | a4:4 a4:8 c5 e5:4 d5:8 c5 |";
constexpr const char* kLine2 = "b4:4. c5:8 d5:4 e5 | c5 a4 a4:2 |";
constexpr const char* kLine3 = "r:8 d5:4 f5:8 a5:4 g5:8 f5 | e5:4. c5:8 e5:4 d5:8 c5 |";
constexpr const char* kLine4 = "b4:4 b4:8 c5 d5:4 e5 | c5 a4:2 r:4 |";
constexpr const char* kChords1 = "E7 | Am |";
constexpr const char* kChords2 = "E | Am |";
constexpr const char* kChords3 = "Dm | Am |";

}  // namespace

SongScore Korobeiniki() {
  SongScore s;
  s.title = "Коробейники";
  s.lyricist = "Н.Некрасова";
  s.composer = "Народная";
  s.singer = "Ансамбль \"Лирова\"";
  s.tempo = 126;
  s.beatsPerBar = 4;
  s.beatUnit = 4;
  s.keySharps = 0;
  s.minor = true;
  s.instruments = {.lead = 71, .harmony = 21, .bass = 58};  // clarinet, accordion, tuba
  s.groove = Groove::March;
  s.lines = {
      Play(kLine3, kChords3),
      Play(kLine4, kChords1),
      Sing(kLine1, kChords1, "Ой, пол/на, пол/на _ ко/ро/_/буш/ка, _"),
      Sing(kLine2, kChords2, "Есть и сит/цы и пар/ча."),
      Sing(kLine3, kChords3, "По/жа/лей, ду/ша-/за/зно/буш/ка, _"),
      Sing(kLine4, kChords1, "Мо/ло/дец/ко/го пле/ча!"),
      VerseBreak(),
      Sing(kLine1, kChords1, "Вый/ди, _ вый/ди в+рожь вы/со/_/ку/ю, _"),
      Sing(kLine2, kChords2, "Там до ноч/ки по/го/жу,"),
      Sing(kLine3, kChords3, "А за/ви/жу чер/но/о/ку/ю, _"),
      Sing(kLine4, kChords1, "Все то/ва/ры раз/ло/жу."),
      VerseBreak(),
      Sing(kLine1, kChords1, "Це/ны сам пла/тил _ не/ма/_/лы/е, _"),
      Sing(kLine2, kChords2, "Не тор/гуй/ся, не ску/пись:"),
      Sing(kLine3, kChords3, "Под/став/ляй-/ка гу/бы а/лы/е, _"),
      Sing(kLine4, kChords1, "Бли/же к+ми/ло/му са/дись!"),
      Play(kLine3, kChords3),
      Play(kLine4, kChords1),
      VerseBreak(),
      Sing(kLine1, kChords1, "Ка/тя бе/реж/но _ тор/гу/_/ет/ся, _"),
      Sing(kLine2, kChords2, "Всё бо/ит/ся пе/ре/дать."),
      Sing(kLine3, kChords3, "Па/рень с+де/ви/цей це/лу/ет/ся, _"),
      Sing(kLine4, kChords1, "Про/сит це/ну на/бав/лять."),
      VerseBreak(),
      Sing(kLine1, kChords1, "Зна/ет толь/ко ночь _ глу/бо/_/ка/я, _"),
      Sing(kLine2, kChords2, "Как по/ла/ди/ли о/ни."),
      Sing(kLine3, kChords3, "Рас/сту/пись ты, рожь вы/со/ка/я, _"),
      Sing(kLine4, kChords1, "Тай/ну свя/то со/хра/ни!"),
  };
  return s;
}

}  // namespace lyrova::demo
