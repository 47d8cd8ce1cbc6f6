// Karaoke files as others write them: where the words come from, their line
// marks, words with no marks at all, and files cut short.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "catalog/karaoke_file.h"
#include "catalog/utf8_text.h"
#include "tests/catalog/smf_maker.h"

namespace lyrova {
namespace {

using testing::MakeSmf;
using testing::SmfTrack;

constexpr std::uint32_t kQuarter = 384;  // the files' division

// Events at absolute ticks.
struct At {
  std::uint32_t tick;
  std::string text;
};

SmfTrack Texts(std::uint8_t type, const std::vector<At>& events) {
  SmfTrack t;
  std::uint32_t last = 0;
  for (const At& e : events) {
    t.Meta(e.tick - last, type, e.text);
    last = e.tick;
  }
  return t;
}

// A note starting at each tick on `channel`, an eighth long.
SmfTrack Tune(int channel, const std::vector<std::uint32_t>& ticks) {
  SmfTrack t;
  std::uint32_t last = 0;
  const auto on = static_cast<std::uint8_t>(0x90 | channel);
  for (std::uint32_t tick : ticks) {
    t.Raw(tick - last, {on, 64, 100}).Raw(kQuarter / 2, {on, 64, 0});
    last = tick + kQuarter / 2;
  }
  return t;
}

// `texts` sung one a quarter apart from the first bar on.
std::vector<At> Sung(const std::vector<std::string>& texts, std::uint32_t offBy = 0) {
  std::vector<At> events;
  for (std::size_t i = 0; i < texts.size(); ++i)
    events.push_back({static_cast<std::uint32_t>(4 + i) * kQuarter + offBy, texts[i]});
  return events;
}

std::vector<std::uint32_t> Quarters(std::size_t n) {
  std::vector<std::uint32_t> ticks;
  for (std::size_t i = 0; i < n; ++i) ticks.push_back(static_cast<std::uint32_t>(4 + i) * kQuarter);
  return ticks;
}

KaraokeSong Read(const std::vector<SmfTrack>& tracks) {
  const KaraokeReadResult r = ReadKaraokeFile(MakeSmf(kQuarter, tracks), "song.kar");
  EXPECT_TRUE(r.ok) << r.reason;
  return r.song;
}

// Every timed character once, after the introduction.
std::size_t TimedCharacters(const std::string& words) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < words.size();) {
    const char32_t c = NextCodePoint(words, i);
    n += c != U' ' && c != U'\n';
  }
  return n;
}

const std::vector<std::string> kSyllables = {"Ka", "lin", "ka ", "ma", "ja"};

struct SourceCase {
  const char* what;
  std::vector<SmfTrack> tracks;
  std::string words;
};

TEST(KaraokeSources, TheWordsAreTheEventsSungOnTheTune) {
  const SmfTrack tune = Tune(0, Quarters(5));
  const std::vector<std::string> other = {"Ba", "lin", "ka ", "ma", "ja"};
  std::vector<At> lateAtTheEnd = Sung(other);
  lateAtTheEnd.back().tick += kQuarter / 2;
  const SourceCase cases[] = {
      {"comments in text events beside the lyric events",
       {Texts(0x01, {{0, "@KMIDI KARAOKE FILE"}, {0, "Reset Volume"}, {4 * kQuarter, "Reset Pan"},
                     {6 * kQuarter, "Reset Reverb"}}),
        Texts(0x05, Sung(kSyllables)), tune},
       "Kalinka maja"},
      {"three voices: the one on its own tune's notes",
       {Texts(0x05, Sung(other, kQuarter / 2)), Texts(0x05, lateAtTheEnd), Texts(0x05, Sung(kSyllables)),
        Tune(0, Quarters(5)), Tune(1, Quarters(5)), Tune(2, Quarters(5))},
       "Kalinka maja"},
      {"voices on the same notes: the first", {Texts(0x05, Sung(kSyllables)), Texts(0x05, Sung(other)), tune},
       "Kalinka maja"},
      {"text events with marks and no Soft Karaoke header",
       {Texts(0x01, Sung({"\\Ka", "lin", "ka", "/ma", "ja"})), tune}, "Kalinka\nmaja"},
      {"a lone text event is no words", {Texts(0x01, {{5 * kQuarter, "Copyright"}}), tune}, ""},
      {"marks at the start of lyric events",
       {Texts(0x05, Sung({"Ka", "lin", "ka", "/ma", "\\ja", "/ja"})), Tune(0, Quarters(6))},
       "Kalinka\nma\n\nja\nja"},
  };
  for (const SourceCase& c : cases) {
    const KaraokeSong s = Read(c.tracks);
    EXPECT_EQ(s.words, c.words) << c.what;
    EXPECT_EQ(s.timing.size(), s.words.empty() ? 0 : TimedCharacters(s.words) + 1) << c.what;
  }
}

TEST(KaraokeSources, WordsWithoutLineMarksAreCutAtPausesAndBeforeTheyGrowTooLong) {
  // Two phrases a bar's rest apart, the second far too long for one line.
  std::vector<At> words;
  std::vector<std::uint32_t> notes;
  std::uint32_t tick = 4 * kQuarter;
  const auto sing = [&](const std::string& text, std::uint32_t length) {
    words.push_back({tick, text});
    notes.push_back(tick);
    tick += length;
  };
  for (const char* s : {"Oh ", "my ", "dar", "ling"}) sing(s, kQuarter / 2);
  tick += 4 * kQuarter;
  for (int i = 0; i < 12; ++i) sing(i % 2 ? "tine" : " clemen", kQuarter / 2);
  const KaraokeSong s = Read({Texts(0x05, words), Tune(0, notes)});
  EXPECT_EQ(s.words, "Oh my darling\nclementine clementine\nclementine clementine\nclementine clementine");
  EXPECT_EQ(s.timing.size(), TimedCharacters(s.words) + 1);
  std::size_t longest = 0;
  for (std::size_t from = 0; from <= s.words.size();) {
    const std::size_t end = std::min(s.words.find('\n', from), s.words.size());
    longest = std::max(longest, end - from);
    from = end + 1;
  }
  EXPECT_LE(longest, static_cast<std::size_t>(30));
}

TEST(KaraokeSources, AFileCutShortKeepsTheTracksItHolds) {
  const SmfTrack words = Texts(0x05, Sung(kSyllables));
  const std::vector<std::uint8_t> whole = MakeSmf(kQuarter, {words, Tune(0, Quarters(5))});
  const std::size_t wordsEnd = 14 + words.Chunk().size();
  std::vector<std::uint8_t> claimsTooMuch = whole;
  claimsTooMuch[wordsEnd + 4] = 0x7F;  // the tune's chunk claims 2 GiB
  const std::vector<std::vector<std::uint8_t>> damaged = {
      std::vector<std::uint8_t>(whole.begin(), whole.end() - 9),  // the tune cut inside
      std::vector<std::uint8_t>(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(wordsEnd)),
      claimsTooMuch,
  };
  for (std::size_t i = 0; i < damaged.size(); ++i) {
    const KaraokeReadResult r = ReadKaraokeFile(damaged[i], "song.kar");
    ASSERT_TRUE(r.ok) << i << ": " << r.reason;
    EXPECT_EQ(r.song.words, "Kalinka maja") << i;
  }
}

}  // namespace
}  // namespace lyrova
