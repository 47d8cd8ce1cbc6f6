// The karaoke-file reader, from files written in memory.

#include "catalog/karaoke_file.h"

#include <gtest/gtest.h>

#include "tests/catalog/smf_maker.h"

namespace lyrova {
namespace {

using testing::MakeSmf;
using testing::SmfTrack;
using Pairs = std::vector<TimingPair>;
const std::string kNoData = kNoDataUtf8;

KaraokeSong Read(const std::vector<std::uint8_t>& bytes, std::string_view name = "song.kar") {
  const KaraokeReadResult r = ReadKaraokeFile(bytes, name);
  EXPECT_TRUE(r.ok) << r.reason;
  return r.song;
}

TEST(KaraokeFileTest, SoftKaraokeHeadersMarkersAndTiming) {
  SmfTrack conductor;
  conductor.Text(0, "@KMIDI KARAOKE FILE");
  SmfTrack words;
  words.Text(0, "@LENGL").Text(0, "@TAmazing Grace ").Text(0, "@T John Newton").Text(0, "@IInfo");
  words.Text(192, "\\A").Text(96, "maz").Text(96, "ing").Text(96, " grace").Text(192, "/How").Text(96, " sweet");
  SmfTrack music;
  music.NoteOn(192, 60).NoteOff(960, 60);
  const KaraokeSong s = Read(MakeSmf(384, {conductor, words, music}), "Other - Name.kar");
  EXPECT_EQ(s.fields, (KaraokeFields{"Amazing Grace", "John Newton", kNoData, kNoData}));
  EXPECT_EQ(s.words, "Amazing grace\nHow sweet");
  const Pairs expected = {{0, 384},    {384, 192},  {576, 64},   {640, 64},   {704, 64},
                          {768, 64},   {832, 64},   {896, 64},   {960, 77},   {1037, 77},
                          {1114, 77},  {1191, 77},  {1268, 76},  {1344, 64},  {1408, 64},
                          {1472, 64},  {1536, 154}, {1690, 154}, {1844, 154}, {1998, 153},
                          {2151, 153}};
  EXPECT_EQ(s.timing, expected);
}

TEST(KaraokeFileTest, LyricEventsEndLinesAtCrAndLf) {
  SmfTrack t;
  t.Lyric(0, "Hel").Lyric(10, "lo\r").Lyric(10, "world\r\n\r\n").Lyric(10, "  \r").Lyric(10, "end\n");
  const KaraokeSong s = Read(MakeSmf(768, {t}));
  EXPECT_EQ(s.words, "Hello\nworld\n\n  \nend");
  const Pairs expected = {{0, 0},  {0, 4},  {4, 3},  {7, 3},   {10, 5},   {15, 5},   {20, 4}, {24, 4},
                          {28, 4}, {32, 4}, {36, 4}, {40, 0},  {40, 128}, {168, 128}, {296, 128}};
  EXPECT_EQ(s.timing, expected);
}

TEST(KaraokeFileTest, ParagraphMarkerOnTheFirstSyllableAddsNoEmptyLine) {
  SmfTrack t;
  t.Text(0, "@K").Text(0, "\\One").Text(10, "/two").Text(10, "\\three").Text(10, "a/b");
  EXPECT_EQ(Read(MakeSmf(768, {t})).words, "One\ntwo\n\nthreea/b");
}

TEST(KaraokeFileTest, WordsComeFromTheTrackWithMostTexts) {
  SmfTrack first;
  first.Text(0, "@KMIDI KARAOKE FILE").Text(0, "x").Text(0, "y").Lyric(0, "lyric");
  SmfTrack second;
  second.Text(0, "a").Text(1, "b").Text(1, "c").Text(0, "@Inot a syllable");
  EXPECT_EQ(Read(MakeSmf(768, {first, second})).words, "abc");
}

TEST(KaraokeFileTest, SyllablesAtOneTickKeepFileOrder) {
  SmfTrack t;
  t.Lyric(0, "a").Lyric(5, "b").Lyric(0, "c").Lyric(5, "d");
  const KaraokeSong s = Read(MakeSmf(768, {t}));
  EXPECT_EQ(s.words, "abcd");
  const Pairs expected = {{0, 0}, {0, 5}, {5, 0}, {5, 5}, {10, 384}};
  EXPECT_EQ(s.timing, expected);
}

struct RoundCase {
  std::uint16_t division;
  std::uint32_t tick;
  std::int32_t music;
};
class KaraokeRoundingTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(KaraokeRoundingTest, TicksBecomeMusicTimeRoundedHalfUp) {
  SmfTrack t;
  t.Lyric(GetParam().tick, "x");
  EXPECT_EQ(Read(MakeSmf(GetParam().division, {t})).timing.front().length, GetParam().music);
}
INSTANTIATE_TEST_SUITE_P(Divisions, KaraokeRoundingTest,
                         ::testing::Values(RoundCase{768, 5, 5}, RoundCase{384, 5, 10}, RoundCase{480, 1, 2},
                                           RoundCase{1000, 1, 1}, RoundCase{1000, 125, 96},
                                           RoundCase{1536, 1, 1}, RoundCase{1536, 3, 2},
                                           RoundCase{1536, 2, 1}, RoundCase{48, 0x0FFFFFFF, 2147483647}));

TEST(KaraokeFileTest, LastSyllableRunsToTheLatestNoteOffOr384) {
  const auto lastLength = [](std::vector<std::uint8_t> noteEnd, std::uint32_t delta) {
    SmfTrack words;
    words.Lyric(100, "ab");
    SmfTrack notes;
    notes.Raw(0, {0x91, 60, 90}).Raw(delta, noteEnd);
    return Read(MakeSmf(768, {words, notes})).timing;
  };
  EXPECT_EQ(lastLength({0x81, 60, 0}, 100), (Pairs{{0, 100}, {100, 192}, {292, 192}}));
  EXPECT_EQ(lastLength({0x81, 60, 0}, 101), (Pairs{{0, 100}, {100, 1}, {101, 0}}));
  EXPECT_EQ(lastLength({0x91, 60, 0}, 500), (Pairs{{0, 100}, {100, 200}, {300, 200}}));
  EXPECT_EQ(lastLength({0x91, 60, 1}, 500), (Pairs{{0, 100}, {100, 192}, {292, 192}}));
}

TEST(KaraokeFileTest, ASongWithoutWords) {
  SmfTrack t;
  t.NoteOn(0, 60).NoteOff(10, 60).Text(0, "just a text");
  const KaraokeSong s = Read(MakeSmf(768, {t}), "Tune.MIDI");
  EXPECT_EQ(s.words, "");
  EXPECT_TRUE(s.timing.empty());
  EXPECT_EQ(s.fields.title, "Tune");
}

struct EncodingCase {
  std::string stored;
  std::string utf8;
};
class KaraokeEncodingTest : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(KaraokeEncodingTest, TextsAreDecodedOnceForTheWholeFile) {
  SmfTrack t;
  t.Text(0, "@T" + GetParam().stored).Lyric(0, GetParam().stored);
  const KaraokeSong s = Read(MakeSmf(768, {t}));
  EXPECT_EQ(s.fields.title, GetParam().utf8);
  EXPECT_EQ(s.words, GetParam().utf8);
}
INSTANTIATE_TEST_SUITE_P(
    Encodings, KaraokeEncodingTest,
    ::testing::Values(
        EncodingCase{"Plain words", "Plain words"},
        EncodingCase{"Ой, мороз, морозъ Ёлка", "Ой, мороз, морозъ Ёлка"},
        EncodingCase{"Ça été très à la française", "Ça été très à la française"},
        EncodingCase{"\xCE\xE9, \xEC\xEE\xF0\xEE\xE7, \xEC\xEE\xF0\xEE\xE7! \xCD\xE5 \xEC\xEE\xF0\xEE\xE7\xFC \xEC\xE5\xED\xFF",
                     "Ой, мороз, мороз! Не морозь меня"},
        EncodingCase{"\xC7\x61 a \xE9t\xE9 tr\xE8s \xE0 la fran\xE7\x61ise, gar\xE7on", "Ça a été très à la française, garçon"},
        EncodingCase{"Gr\xFC\xDF Gott, sch\xF6ne Stra\xDF\x65", "Grüß Gott, schöne Straße"},
        EncodingCase{"\xBFQu\xE9 a\xF1o, se\xF1or? \xA1Ni\xF1o!", "¿Qué año, señor? ¡Niño!"}));

TEST(KaraokeFileTest, FieldsFromTheFileName) {
  const std::vector<std::pair<std::string, KaraokeFields>> cases = {
      {"Singer - Title - Part.kar", {"Title - Part", "Singer", kNoData, kNoData}},
      {"Just a title.MID", {"Just a title", kNoData, kNoData, kNoData}},
      {" - Title.midi", {"Title", kNoData, kNoData, kNoData}},
      {"Singer - .kar", {kNoData, "Singer", kNoData, kNoData}},
      {"Singer-Title.kar", {"Singer-Title", kNoData, kNoData, kNoData}},
      {"A._Lavigne_-_Complicated.kar", {"Complicated", "A. Lavigne", kNoData, kNoData}},
      {"\xC5\xEB\xEA\xE0 - \xC7\xE8\xEC\xE0.kar", {"Зима", "Елка", kNoData, kNoData}},
      {"A._Lavigne_-_Complicated.kar", {"Complicated", "A. Lavigne", kNoData, kNoData}},
  };
  for (const auto& [name, fields] : cases) EXPECT_EQ(FieldsFromFileName(name), fields) << name;
  SmfTrack t;
  t.Text(0, "@T  ").Text(0, "@K");
  EXPECT_EQ(Read(MakeSmf(768, {t}), "A - B.kar").fields, (KaraokeFields{kNoData, kNoData, kNoData, kNoData}));
}

TEST(KaraokeFileTest, FilesThatAreNotSongs) {
  const std::vector<std::uint8_t> good = MakeSmf(384, {SmfTrack().Lyric(0, "la")});
  std::vector<std::uint8_t> smpte = good;
  smpte[12] = 0xE7;
  std::vector<std::uint8_t> noDivision = good;
  noDivision[12] = noDivision[13] = 0;
  std::vector<std::uint8_t> noTracks = good;
  noTracks[11] = 0;
  const std::vector<std::vector<std::uint8_t>> cases = {
      {},
      {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'R', 'M', 'I', 'D', 0, 0},
      std::vector<std::uint8_t>(good.begin(), good.begin() + 13),
      std::vector<std::uint8_t>(good.begin(), good.begin() + 20),
      smpte, noDivision, noTracks};
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const KaraokeReadResult r = ReadKaraokeFile(cases[i], "x.kar");
    EXPECT_FALSE(r.ok) << i;
    EXPECT_FALSE(r.reason.empty()) << i;
  }
}

TEST(KaraokeFileTest, DamagedEventsKeepWhatCameBefore) {
  const std::vector<std::pair<SmfTrack, std::string>> cases = {
      {SmfTrack().Lyric(0, "kept").Raw(0, {0xF0, 0x01, 0xF7}).Raw(0, {0x40, 0x40}).Lyric(0, "lost"), "kept"},
      {SmfTrack().Lyric(0, "a").Raw(1, {0xFF, 0x05, 0x7F, 'b'}), "a"},
      {SmfTrack().Lyric(0, "\x01\x02").Raw(1, {0xF8}).Lyric(0, "lost"), "\x01\x02"},
  };
  for (const auto& [track, words] : cases) EXPECT_EQ(Read(MakeSmf(768, {track})).words, words);
}

TEST(KaraokeFileTest, AMillionEventsAreReadInOnePass) {
  SmfTrack t;
  t.Lyric(0, "go").Raw(1, {0x90, 60, 100});
  for (int i = 0; i < 1'000'000; ++i) t.Raw(1, {61, static_cast<std::uint8_t>(i % 2 ? 0 : 100)});  // running status
  const KaraokeSong s = Read(MakeSmf(768, {t}));
  EXPECT_EQ(s.timing, (Pairs{{0, 0}, {0, 500'001}, {500'001, 500'000}}));
}

}  // namespace
}  // namespace lyrova
