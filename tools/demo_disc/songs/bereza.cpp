// «Во поле берёза стояла»: folk round-dance song. A minor, 2/4.
#include "tools/demo_disc/song_library.h"

namespace lyrova::demo {
namespace {

// Nine syllables to a line; the hold carries one over the falling step.
constexpr const char* kNine = "e5:8 e5 e5 e5 | d5 c5 c5 b4 | a4:4 r:4 |";
constexpr const char* kTen = "e5:8 e5 e5 e5 | d5 c5 c5 b4 | b4:8 a4 r:4 |";
constexpr const char* kRefrain7 = "e5:8 e5 d5 c5 | c5 b4 a4:4 |";
constexpr const char* kRefrain8 = "e5:8 e5 d5 c5 | c5:16 b4 b4:8 a4:4 |";
constexpr const char* kLineChords = "Am | G | Am |";
constexpr const char* kRefrainChords = "Am | G:4 Am:4 |";

}  // namespace

SongScore VoPoleBerezaStoyala() {
  SongScore s;
  s.title = "Во поле берёза стояла";
  s.lyricist = "Народные";
  s.composer = "Народная";
  s.singer = "Ансамбль \"Лирова\"";
  s.tempo = 96;
  s.beatsPerBar = 2;
  s.beatUnit = 4;
  s.minor = true;
  s.instruments = {.lead = 73, .harmony = 21, .bass = 32};  // flute, accordion, acoustic bass
  s.groove = Groove::Polka;
  s.lines = {
      Play(kRefrain7, kRefrainChords),
      Play(kRefrain7, kRefrainChords),
      Sing(kNine, kLineChords, "Во по/ле бе/рё/за сто/я/ла,"),
      Sing(kTen, kLineChords, "Во по/ле куд/ря/ва/я сто/я/ла,"),
      Sing(kRefrain7, kRefrainChords, "Лю/ли, лю/ли, сто/я/ла,"),
      Sing(kRefrain7, kRefrainChords, "Лю/ли, лю/ли, сто/я/ла."),
      VerseBreak(),
      Sing(kTen, kLineChords, "Не/ко/му бе/рё/зу за/ло/ма/ти,"),
      Sing(kTen, kLineChords, "Не/ко/му куд/ря/ву за/ло/ма/ти,"),
      Sing(kRefrain8, kRefrainChords, "Лю/ли, лю/ли, за/ло/ма/ти,"),
      Sing(kRefrain8, kRefrainChords, "Лю/ли, лю/ли, за/ло/ма/ти."),
      VerseBreak(),
      Sing(kNine, kLineChords, "Я пой/ду, пой/ду по/гу/ля/ю,"),
      Sing(kTen, kLineChords, "Бе/лу/ю бе/рё/зу за/ло/ма/ю,"),
      Sing(kRefrain8, kRefrainChords, "Лю/ли, лю/ли, за/ло/ма/ю,"),
      Sing(kRefrain8, kRefrainChords, "Лю/ли, лю/ли, за/ло/ма/ю."),
      Play(kRefrain7, kRefrainChords),
      Play(kRefrain7, kRefrainChords),
      VerseBreak(),
      Sing(kTen, kLineChords, "Сре/жу я с+бе/рё/зы три пру/точ/ка,"),
      Sing(kNine, kLineChords, "Сде/ла/ю из них три гу/доч/ка,"),
      Sing(kRefrain8, kRefrainChords, "Лю/ли, лю/ли, три гу/доч/ка,"),
      Sing(kRefrain8, kRefrainChords, "Лю/ли, лю/ли, три гу/доч/ка."),
      VerseBreak(),
      Sing(kNine, kLineChords, "Чет/вёр/ту/ю ба/ла/лай/_/ку,"),
      Sing(kNine, kLineChords, "Чет/вёр/ту/ю ба/ла/лай/_/ку,"),
      Sing(kRefrain8, kRefrainChords, "Лю/ли, лю/ли, ба/ла/лай/ку,"),
      Sing(kRefrain8, kRefrainChords, "Лю/ли, лю/ли, ба/ла/лай/ку."),
  };
  return s;
}

}  // namespace lyrova::demo
